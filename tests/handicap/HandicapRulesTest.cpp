// The handicap rules one at a time, as tables: Course Handicap, strokes
// received, net double bogey, differentials, the 3-to-20 table and the caps.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "handicap/CourseHandicap.h"
#include "handicap/Decimal.h"
#include "handicap/IndexTable.h"
#include "handicap/RoundScore.h"
#include "tests/handicap/RoundSample.h"

namespace {

using handicap_test::Course;
using handicap_test::Round18;
using handicap_test::Round9;

struct CourseHandicapCase {
    const char* name;
    std::int64_t index10;
    std::int64_t rating10;
    int slope;
    int par;
    bool nine;
    int expected;
};

TEST(HandicapRules, CourseHandicapTable) {
    const CourseHandicapCase cases[] = {
        {"worked example: 10.6 on 70.4/134 par 72 gives 11", 106, 704, 134, 72, false, 11},
        {"worked example: plus 2.5 on 72.3/124 par 72 gives plus 2", -25, 723, 124, 72, false, -2},
        {"scratch on a rating below par goes below zero", 0, 704, 130, 72, false, -2},
        {"an exact half rounds up: 12.5 on 72.0/113 par 72", 125, 720, 113, 72, false, 13},
        {"an exact negative half rounds up: plus 2.5 on 72.0/113", -25, 720, 113, 72, false, -2},
        {"a half that binary floating point misses: 1.4 on 71.1/113", 14, 711, 113, 72, false, 1},
        {"nine holes: 10.6 on half of 70.4/134, nine par 36", 106, 704, 134, 36, true, 5},
        {"nine holes, exact half: 5.0 on half of 72.0/113, par 36 gives 3", 50, 720, 113, 36, true,
         3},
        {"the index cap of 54.0 on a hard course", 540, 760, 155, 72, false, 78},
    };
    for (const auto& c : cases) {
        const int got = c.nine ? handicap::CourseHandicap9(c.index10, c.rating10, c.slope, c.par)
                               : handicap::CourseHandicap18(c.index10, c.rating10, c.slope, c.par);
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

struct StrokesCase {
    const char* name;
    int courseHandicap;
    std::vector<int> allocations;
    std::vector<int> expected;
};

TEST(HandicapRules, StrokesReceivedTable) {
    const std::vector<int> usual(handicap_test::kAllocations.begin(),
                                 handicap_test::kAllocations.end());
    const std::vector<int> zeros(18, 0);
    const StrokesCase cases[] = {
        {"worked example: Course Handicap 20 gives two on allocations 1 and 2",
         20,
         usual,
         {2, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"Course Handicap 3: allocations 1 to 3",
         3,
         usual,
         {1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"plus 2 gives back on allocations 18 and 17",
         -2,
         usual,
         {0, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0}},
        {"old record with all allocations 0: holes 1 to 3 in order",
         3,
         zeros,
         {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"nine holes use the order within the nine",
         4,
         {1, 3, 17, 5, 7, 9, 15, 11, 13},
         {1, 1, 0, 1, 1, 0, 0, 0, 0}},
        {"nine holes, Course Handicap 10: two on the hardest",
         10,
         {2, 4, 18, 6, 8, 10, 16, 12, 14},
         {2, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            handicap::StrokesReceived(c.courseHandicap, handicap::AllocationOrder(c.allocations)),
            c.expected)
            << c.name;
    }
}

struct AdjustedCase {
    const char* name;
    handicap::Round round;
    std::optional<std::int64_t> indexBefore10;
    int adjustedGross;
    std::int64_t differential10;
};

handicap::Round WithHole(handicap::Round round, int hole, int strokes) {
    round.scores[hole] = strokes;
    return round;
}

TEST(HandicapRules, AdjustedGrossAndDifferentialTable) {
    const Course rated{"C2", 713, 125};
    const Course lowSlope{"C4", 602, 56};
    const AdjustedCase cases[] = {
        {"worked example: 85 on 71.3/125 gives 12.4", Round18(85, "2024-01-01", rated),
         std::nullopt, 85, 124},
        {"before an index a hole is capped at par + 5", WithHole(Round18(72, "2024-01-01"), 1, 12),
         std::nullopt, 77, 50},
        {"worked example: Course Handicap 18 caps a par 4 at 7 (net double bogey)",
         WithHole(Round18(72, "2024-01-01"), 1, 10), 180, 75, 30},
        {"Course Handicap 24 caps a par 4 on allocation 3 at 8",
         WithHole(Round18(72, "2024-01-01"), 1, 11), 240, 76, 40},
        {"plus 4.0 gives a stroke back on allocation 18: its par 3 caps at 4",
         WithHole(Round18(72, "2024-01-01"), 11, 7), -40, 73, 10},
        {"a hole left at 0 in a played round scores net par",
         WithHole(Round18(76, "2024-01-01"), 2, 0), 180, 77, 50},
        {"a half that binary floating point misses: 91 on 60.2/56 gives 62.2",
         Round18(91, "2024-01-01", lowSlope), std::nullopt, 91, 622},
    };
    for (const auto& c : cases) {
        const auto score = handicap::ScoreRound(c.round, c.indexBefore10);
        ASSERT_TRUE(score) << c.name;
        EXPECT_EQ(score->adjustedGross, c.adjustedGross) << c.name;
        EXPECT_EQ(handicap::RoundHalfUp(score->unrounded), c.differential10) << c.name;
    }
}

TEST(HandicapRules, NineHoleDifferentialIsHalfTheRating) {
    // 42 on the front of a 70.4/130 course: (113 / 130) x (42 - 35.2) = 5.9107...
    const auto score =
        handicap::ScoreRound(Round9(true, 42, "2024-01-01", {"C2", 704, 130}), std::nullopt);
    ASSERT_TRUE(score);
    EXPECT_EQ(score->holesPlayed, 9);
    EXPECT_EQ(score->nine, handicap::Nine::Front);
    EXPECT_EQ(score->adjustedGross, 42);
    EXPECT_EQ(handicap::Compare(score->unrounded, {113 * 136, 260}), 0);
}

TEST(HandicapRules, RoundsThatCannotCount) {
    handicap::Round noScores = Round18(72, "2024-01-01");
    noScores.scores.fill(0);
    handicap::Round noRating = Round18(72, "2024-01-01", {"C9", 0, 0});
    EXPECT_FALSE(handicap::ScoreRound(noScores, std::nullopt));
    EXPECT_FALSE(handicap::ScoreRound(noRating, std::nullopt));
}

struct IndexCase {
    int count;
    std::int64_t expected10;
};

TEST(HandicapRules, WorkedExampleTableFromThreeToTwentyDifferentials) {
    // Differentials 10.0, 11.0, 12.0, ... so the lowest n average is plain.
    const IndexCase cases[] = {{3, 80},   {4, 90},   {5, 100},  {6, 95},   {7, 105},  {8, 105},
                               {9, 110},  {10, 110}, {11, 110}, {12, 115}, {13, 115}, {14, 115},
                               {15, 120}, {16, 120}, {17, 125}, {18, 125}, {19, 130}, {20, 135}};
    for (const auto& c : cases) {
        std::vector<std::int64_t> differentials;
        for (int i = c.count - 1; i >= 0; --i) {
            differentials.push_back(100 + 10 * i);
        }
        const auto index = handicap::IndexFromDifferentials(differentials);
        ASSERT_TRUE(index) << c.count;
        EXPECT_EQ(index->index10, c.expected10) << c.count << " differentials";
        EXPECT_EQ(static_cast<int>(index->counting.size()),
                  handicap::IndexTableRow(c.count).lowest);
    }
    EXPECT_FALSE(handicap::IndexFromDifferentials(std::vector<std::int64_t>{100, 110}));
}

TEST(HandicapRules, IndexRoundingAndMaximum) {
    // Seven differentials average their lowest two.
    const std::vector<std::int64_t> halfUp = {101, 102, 300, 300, 300, 300, 300};
    const std::vector<std::int64_t> negativeHalf = {-15, -16, 300, 300, 300, 300, 300};
    const std::vector<std::int64_t> high(20, 600);
    EXPECT_EQ(handicap::IndexFromDifferentials(halfUp)->index10, 102);        // 10.15 -> 10.2
    EXPECT_EQ(handicap::IndexFromDifferentials(negativeHalf)->index10, -15);  // -1.55 -> -1.5
    EXPECT_EQ(handicap::IndexFromDifferentials(high)->index10, 540);
}

struct CapCase {
    const char* name;
    std::int64_t index10;
    std::int64_t low10;
    std::int64_t expected10;
    handicap::Cap cap;
};

TEST(HandicapRules, CapsTable) {
    const CapCase cases[] = {
        {"worked example: low 10.0, calculated 14.0 gives 13.5 (soft cap)", 140, 100, 135,
         handicap::Cap::Soft},
        {"worked example: low 10.0, calculated 18.0 gives 15.0 (hard cap)", 180, 100, 150,
         handicap::Cap::Hard},
        {"3.0 above the low index is not capped", 130, 100, 130, handicap::Cap::None},
        {"a halved 0.05 rounds up: 13.5 gives 13.3", 135, 100, 133, handicap::Cap::Soft},
        {"soft cap reaching exactly 5.0 above stays soft", 170, 100, 150, handicap::Cap::Soft},
        {"below the low index nothing happens", 80, 100, 80, handicap::Cap::None},
        {"plus low index", 20, -20, 15, handicap::Cap::Soft},
    };
    for (const auto& c : cases) {
        const auto capped = handicap::ApplyCaps(c.index10, c.low10);
        EXPECT_EQ(capped.index10, c.expected10) << c.name;
        EXPECT_EQ(capped.cap, c.cap) << c.name;
    }
}

TEST(HandicapRules, RoundHalfUpTable) {
    EXPECT_EQ(handicap::RoundHalfUp(125, 10), 13);
    EXPECT_EQ(handicap::RoundHalfUp(-25, 10), -2);
    EXPECT_EQ(handicap::RoundHalfUp(-155, 10), -15);  // -1.55 to tenths is -1.5
    EXPECT_EQ(handicap::RoundHalfUp(-1551, 100), -16);
    EXPECT_EQ(handicap::TenthsText(-5), "-0.5");
    EXPECT_EQ(handicap::TenthsText(123), "12.3");
}

}  // namespace
