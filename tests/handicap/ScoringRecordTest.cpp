// The scoring record over whole golfers: how many rounds give an index,
// nine-hole pairs, exceptional scores, caps, plus handicaps, and the two
// properties every record keeps.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "handicap/HandicapText.h"
#include "handicap/ScoringRecord.h"
#include "tests/handicap/RoundSample.h"

namespace {

using handicap::Cap;
using handicap::RoundStatus;
using handicap_test::Course;
using handicap_test::Day;
using handicap_test::Round18;
using handicap_test::Round9;

// On the sample course (72.0 / 113, par 72) a differential is gross - 72.
std::vector<handicap::Round> Rounds(const std::vector<int>& grosses, int firstDay = 0) {
    std::vector<handicap::Round> rounds;
    for (std::size_t i = 0; i < grosses.size(); ++i) {
        rounds.push_back(Round18(grosses[i], Day(firstDay + static_cast<int>(i))));
    }
    return rounds;
}

std::vector<int> Rising(int from, int count) {
    std::vector<int> grosses;
    for (int i = 0; i < count; ++i) {
        grosses.push_back(from + i);
    }
    return grosses;
}

struct SizeCase {
    int rounds;
    std::string index;
    std::string low;
    Cap cap;
};

TEST(ScoringRecord, IndexAfterTwoThreeNineteenTwentyAndTwentyOneRounds) {
    // Differentials rise 9.0, 10.0, 11.0 ... so none is exceptional.
    const SizeCase cases[] = {
        {2, "needs 1 more round", "none until 20 differentials", Cap::None},
        {3, "7.0", "none until 20 differentials", Cap::None},    // 9.0 - 2.0
        {19, "12.0", "none until 20 differentials", Cap::None},  // lowest 7 of 9..27
        {20, "11.3", "7.0", Cap::Soft},  // 12.5 is 5.5 above 7.0: 10.0 + 2.5 / 2
        {21, "11.8", "7.0", Cap::Soft},  // 13.5: 10.0 + 3.5 / 2
    };
    for (const auto& c : cases) {
        const auto record = handicap::BuildScoringRecord(Rounds(Rising(81, c.rounds)));
        EXPECT_EQ(handicap::IndexOrNeeded(record), c.index) << c.rounds << " rounds";
        EXPECT_EQ(handicap::LowIndexOrNone(record), c.low) << c.rounds << " rounds";
        EXPECT_EQ(record.CurrentCap(), c.cap) << c.rounds << " rounds";
    }
    const auto none = handicap::BuildScoringRecord({});
    EXPECT_EQ(handicap::IndexOrNeeded(none), "needs 3 more rounds");
}

TEST(ScoringRecord, CountingMarksTheLowestOfTheRecentTwenty) {
    const auto record = handicap::BuildScoringRecord(Rounds(Rising(81, 21)));
    const auto recent = record.RecentNewestFirst();
    ASSERT_EQ(recent.size(), 20u);
    EXPECT_EQ(recent.front(), 20u);
    EXPECT_EQ(recent.back(), 1u);
    int counting = 0;
    for (std::size_t i = 0; i < record.entries.size(); ++i) {
        const bool expected = i >= 1 && i <= 8;  // differentials 10.0 to 17.0
        EXPECT_EQ(record.entries[i].counts, expected) << i;
        counting += record.entries[i].counts ? 1 : 0;
    }
    EXPECT_EQ(counting, 8);
    EXPECT_EQ(record.history.size(), 19u);  // one index after every round from the third
}

struct ExceptionalCase {
    const char* name;
    int gross;
    std::int64_t reduction10;
    std::int64_t index10;
};

TEST(ScoringRecord, ExceptionalScoresTable) {
    // Twenty rounds of 90 make an index of 18.0; then one low round.
    const ExceptionalCase cases[] = {
        {"6.0 below the index: no reduction", 84, 0, 173},
        {"worked example: exactly 7.0 below takes 1.0 off", 83, 10, 161},
        {"exactly 10.0 below takes 2.0 off", 80, 20, 148},
        {"11.0 below takes 2.0 off", 79, 20, 146},
    };
    for (const auto& c : cases) {
        std::vector<int> grosses(20, 90);
        grosses.push_back(c.gross);
        const auto record = handicap::BuildScoringRecord(Rounds(grosses));
        const auto& low = record.entries.back();
        EXPECT_EQ(low.exceptional10, c.reduction10) << c.name;
        EXPECT_EQ(*record.Index10(), c.index10) << c.name;
        // The reduction falls on the twenty most recent, the oldest is out.
        EXPECT_EQ(record.entries[0].reduction10, 0) << c.name;
        EXPECT_EQ(record.entries[1].reduction10, c.reduction10) << c.name;
        EXPECT_EQ(low.differential10, c.gross * 10 - 720) << c.name;
    }
}

TEST(ScoringRecord, ExceptionalReductionStaysWithTheRoundsItWasTakenFrom) {
    std::vector<int> grosses(20, 90);
    grosses.push_back(79);
    grosses.push_back(90);
    const auto record = handicap::BuildScoringRecord(Rounds(grosses));
    EXPECT_EQ(record.entries[21].reduction10, 0);
    EXPECT_EQ(record.entries[20].reduction10, 20);
    EXPECT_EQ(*record.Index10(), 146);  // 5.0 and seven of 16.0
}

TEST(ScoringRecord, NinePairOverTwoCoursesCarriesOneDifferential) {
    const Course hilly{"C2", 704, 130};
    const Course flat{"C4", 720, 113};
    const auto record = handicap::BuildScoringRecord({
        Round9(true, 42, Day(0), hilly),  // 5.9107... unrounded
        Round18(90, Day(1), flat),
        Round9(false, 45, Day(2), flat),  // 9.0
        Round9(true, 40, Day(3), flat),
    });
    const auto& first = record.entries[0];
    const auto& second = record.entries[2];
    EXPECT_EQ(first.status, RoundStatus::NineFirstOfPair);
    EXPECT_FALSE(first.differential10);
    EXPECT_EQ(second.status, RoundStatus::NineSecondOfPair);
    EXPECT_EQ(second.differential10, 149);  // 5.9107 + 9.0 = 14.91 -> 14.9
    EXPECT_EQ(first.partner, 2u);
    EXPECT_EQ(second.partner, 0u);
    EXPECT_EQ(record.entries[1].differential10, 180);
    EXPECT_EQ(record.entries[3].status, RoundStatus::NineWaiting);
    EXPECT_FALSE(record.entries[3].differential10);
    EXPECT_EQ(record.differentialEntries, (std::vector<std::size_t>{1, 2}));
}

TEST(ScoringRecord, PlusHandicapGolfer) {
    const auto record = handicap::BuildScoringRecord(Rounds(std::vector<int>(20, 68)));
    EXPECT_EQ(handicap::IndexOrNeeded(record), "+4.0");
    EXPECT_EQ(handicap::LowIndexOrNone(record), "+6.0");  // -4.0 - 2.0 after three rounds
    const handicap::CourseRecord course{"C2", "Sample", "White", 720, 113, 72};
    EXPECT_EQ(handicap::CourseHandicapOrNeeded(record, course), "+4");
}

TEST(ScoringRecord, HardCapAndTheLowIndexWindow) {
    // Twenty rounds at 0.0 (low index -2.0 after three), then twenty at 36.0.
    std::vector<int> grosses(20, 72);
    const std::vector<int> high(20, 108);
    auto sameYear = Rounds(grosses);
    auto later = Rounds(high, 20);
    sameYear.insert(sameYear.end(), later.begin(), later.end());
    const auto withinAYear = handicap::BuildScoringRecord(sameYear);
    EXPECT_EQ(*withinAYear.Index10(), 30);  // -2.0 + 5.0
    EXPECT_EQ(withinAYear.CurrentCap(), Cap::Hard);

    // The same high rounds more than a year on: the -2.0 has left the window
    // and the index in force when it opened, 0.0, is the low one.
    auto yearOn = Rounds(grosses);
    auto distant = Rounds(high, 500);
    yearOn.insert(yearOn.end(), distant.begin(), distant.end());
    const auto afterAYear = handicap::BuildScoringRecord(yearOn);
    EXPECT_EQ(*afterAYear.LowIndex10(), 0);
    EXPECT_EQ(*afterAYear.Index10(), 50);
}

TEST(ScoringRecord, GamesThatCannotCountStayInTheRecord) {
    auto rounds = Rounds({90, 90});
    rounds[1].slope = 0;  // its course record is gone
    const auto record = handicap::BuildScoringRecord(rounds);
    ASSERT_EQ(record.entries.size(), 2u);
    EXPECT_EQ(record.entries[1].status, RoundStatus::NotCounted);
    EXPECT_EQ(record.RoundsNeeded(), 2);
}

// Random golfers: mixed lengths, courses and scores, some exceptional.
std::vector<handicap::Round> RandomGolfer(unsigned seed, int count) {
    std::mt19937 random(seed);
    const Course courses[] = {
        {"C2", 704, 130}, {"C4", 689, 121}, {"C6", 741, 144}, {"C8", 655, 98}};
    std::uniform_int_distribution<int> gross(70, 105), course(0, 3), kind(0, 5), gap(0, 9);
    std::vector<handicap::Round> rounds;
    int day = 0;
    for (int i = 0; i < count; ++i) {
        day += gap(random);
        const Course& at = courses[course(random)];
        const int k = kind(random);
        if (k == 0) {
            rounds.push_back(Round9(true, gross(random) / 2, Day(day), at));
        } else if (k == 1) {
            rounds.push_back(Round9(false, gross(random) / 2, Day(day), at));
        } else {
            auto round = Round18(gross(random), Day(day), at);
            if (k == 2) {
                round.scores[4] += 6;  // a blow-up hole for net double bogey
            }
            rounds.push_back(round);
        }
        rounds.back().gameId = "G" + std::to_string(i + 1);
    }
    return rounds;
}

TEST(ScoringRecordProperties, NeverMoreThanFiveAboveTheLowIndexOnceCapped) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const auto record = handicap::BuildScoringRecord(RandomGolfer(seed, 400));
        for (const auto& point : record.history) {
            if (point.low10) {
                EXPECT_LE(point.index10, *point.low10 + 50) << "seed " << seed;
            }
            EXPECT_LE(point.index10, 540);
        }
    }
}

TEST(ScoringRecordProperties, AddingARoundNeverChangesAnEarlierDifferential) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const auto rounds = RandomGolfer(seed, 120);
        const auto whole = handicap::BuildScoringRecord(rounds);
        for (std::size_t n = 1; n < rounds.size(); ++n) {
            const auto prefix = handicap::BuildScoringRecord(
                std::vector<handicap::Round>(rounds.begin(), rounds.begin() + n));
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_EQ(prefix.entries[i].differential10, whole.entries[i].differential10)
                    << "seed " << seed << " prefix " << n << " game " << i;
                ASSERT_EQ(prefix.entries[i].adjustedGross, whole.entries[i].adjustedGross)
                    << "seed " << seed << " prefix " << n << " game " << i;
            }
        }
    }
}

}  // namespace
