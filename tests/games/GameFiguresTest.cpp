#include <gtest/gtest.h>

#include "games/rules/GameFigures.h"
#include "games/rules/GameNumbers.h"
#include "games/rules/GameValidation.h"
#include "tests/games/GameSample.h"

namespace {

using game_sample::FullRound;
using game_sample::kToday;
using parlow::games::GameEntry;
using parlow::games::GameFigures;
using zeviza::IntArray;

std::variant<GameFigures, zeviza::Error> Compute(const GameEntry& entry,
                                                 const parlow::games::CourseCard& course) {
    return parlow::games::ComputeGameFigures(entry, course, game_sample::Golfer(), kToday);
}

GameFigures Figures(const GameEntry& entry,
                    const parlow::games::CourseCard& course = game_sample::ParSeventyTwo()) {
    auto result = Compute(entry, course);
    if (auto* failure = std::get_if<zeviza::Error>(&result)) {
        ADD_FAILURE() << "unexpected failure " << failure->Description();
        return {};
    }
    return std::get<GameFigures>(result);
}

void ExpectOverflow(const GameEntry& entry,
                    const parlow::games::CourseCard& course = game_sample::ParSeventyTwo()) {
    auto result = Compute(entry, course);
    auto* failure = std::get_if<zeviza::Error>(&result);
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->Number(), parlow::games::kOverflowNumber);
    EXPECT_EQ(failure->Description(), "Overflow");
}

GameEntry RoundWithDetails() {
    GameEntry entry = FullRound();
    entry.detail = {"2",  "1",   "1", "2", "1", "1", "1", "0", "2", "1", "1", "2",
                    "32", "285", "0", "1", "2", "3", "8", "4", "1", "0", "0", ""};
    entry.partnerName = {"Joe D'Amato", "", "Kim"};
    entry.partnerScore = {"88", "", "91.5"};
    return entry;
}

// Answers every unplayed-nine question with Yes.
GameEntry Settled(GameEntry entry) {
    auto problem =
        parlow::games::ResolveUnplayedNine(entry, [](const std::string&) { return true; });
    EXPECT_FALSE(problem.has_value());
    return entry;
}

TEST(GameFiguresTest, AFullRoundFillsEverySlot) {
    const GameFigures f = Figures(RoundWithDetails());
    EXPECT_EQ(f.intScores, (IntArray{5, 4, 4, 6, 4, 5, 3,  4,  5,  40, 5,  4,  6,
                                     5, 5, 4, 5, 6, 5, 45, 85, 88, 0,  92, 85, 0}));
    EXPECT_EQ(f.intPars,
              (IntArray{4, 4, 3, 5, 4, 4, 3, 4, 5, 36, 4, 3, 5, 4, 4, 3, 4, 5, 4, 36, 72, 0}));
    EXPECT_EQ(f.intCaps,
              (IntArray{18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    // Double eagles (count 15) go to slot 16 and eagles (count 16) to slot 17.
    EXPECT_EQ(f.intStats, (IntArray{2, 1, 1, 2, 1, 1, 1, 0, 2, 1,  1, 2,  3,  32, 285, 0,  1, 2,
                                    3, 8, 4, 1, 0, 0, 0, 5, 4, 14, 3, 15, 47, 23, 4,   10, 4, 0}));
    EXPECT_EQ(f.intHoles, 18);
    EXPECT_EQ(f.sngStrokeAvg, 4.72f);
    EXPECT_EQ(f.sngPuttAvg, 1.78f);
    EXPECT_EQ(f.sngGreensHit, static_cast<float>(13.0 / 18 * 100));
    EXPECT_FLOAT_EQ(f.sngGreensHit, 72.22222f);
    EXPECT_EQ(f.sngFWaysHit, static_cast<float>(11.0 / 14 * 100));
    EXPECT_FLOAT_EQ(f.sngFWaysHit, 78.57143f);
    EXPECT_EQ(f.sngParAvg, (zeviza::SingleArray{3.75f, 4.7f, 5.75f, 0.0f}));
    EXPECT_EQ(f.strPartners, (zeviza::TextArray{"Joe D'Amato", "", "Kim", ""}));
    EXPECT_EQ(f.datDate, "2024-06-15 00:00:00");
    EXPECT_EQ(f.strGolfer, "Ann O'Hara");
    EXPECT_EQ(f.strGolferID, "D6");
    EXPECT_EQ(f.strCategory, "Amateur");
    EXPECT_EQ(f.intHandicap, 12) << "12.5 rounds to the even 12";
    EXPECT_EQ(f.strClub, "Pine Hollow");
    EXPECT_EQ(f.strClubID, "C4");
    EXPECT_EQ(f.strTees, "White");
    EXPECT_EQ(f.strGameID, "");
}

TEST(GameFiguresTest, BackNineOnlyAfterTheQuestion) {
    GameEntry entry = FullRound();
    for (int hole = 0; hole < 9; ++hole) {
        entry.hole[hole] = "";
    }
    entry.out = "";
    entry.in = "38";
    const GameFigures f = Figures(Settled(entry));
    EXPECT_EQ(f.intHoles, 9);
    EXPECT_EQ(f.intScores[20], 38);
    EXPECT_EQ(f.intScores[24], 38);
    EXPECT_EQ(f.intScores[9], 0);
    for (int slot = 0; slot < 9; ++slot) {
        EXPECT_EQ(f.intScores[slot], 0);
    }
}

TEST(GameFiguresTest, OneEmptyFrontHoleAndYesMakesABackNineGame) {
    GameEntry entry = FullRound();
    entry.hole[6] = "";
    const GameFigures f = Figures(Settled(entry));
    EXPECT_EQ(f.intHoles, 9);
    EXPECT_EQ(f.intScores[20], 45);
    EXPECT_EQ(f.intScores[9], 0);
    EXPECT_EQ(f.intStats[29], 8) << "only the back nine's par 3s: 4 + 4";
}

TEST(GameFiguresTest, AZeroOrMissingTotalMakesANineHoleGameOfTheOther) {
    GameEntry entry = FullRound();
    entry.out = "0";
    GameFigures f = Figures(Settled(entry));
    EXPECT_EQ(f.intHoles, 9);
    EXPECT_EQ(f.intScores[20], 45);
    EXPECT_EQ(f.intScores[2], 4) << "no question was asked, the front nine stays";

    entry = FullRound();
    entry.in = "";
    f = Figures(Settled(entry));
    EXPECT_EQ(f.intHoles, 9);
    EXPECT_EQ(f.intScores[20], 40);
    EXPECT_EQ(f.intScores[10], 5) << "back-nine holes are still stored";
    EXPECT_EQ(f.intStats[29], 15) << "and still summed by par type";
    EXPECT_EQ(f.intStats[31], 23);
    EXPECT_EQ(f.sngStrokeAvg, 4.44f);
}

TEST(GameFiguresTest, StrokeAveragePerHolePlayed) {
    GameEntry entry = FullRound();
    entry.out = "42";
    entry.in = "";
    EXPECT_EQ(Figures(entry).sngStrokeAvg, 4.67f);
}

TEST(GameFiguresTest, FrontNineParThreeAverageUsesTheCoursesCount) {
    GameEntry entry;
    entry.hole = {"5", "4", "3", "6", "4", "5", "4", "4", "5"};
    entry.out = "40";
    const GameFigures f = Figures(Settled(entry));
    EXPECT_EQ(f.intStats[29], 7);
    EXPECT_EQ(f.sngParAvg[0], 1.75f);
}

TEST(GameFiguresTest, EmptyDetailsCountZeroAndNoPuttsMeansNoPuttAverage) {
    const GameFigures f = Figures(FullRound());
    for (int slot = 0; slot <= 26; ++slot) {
        EXPECT_EQ(f.intStats[slot], 0) << slot;
    }
    EXPECT_EQ(f.sngPuttAvg, 0.0f);
    EXPECT_EQ(f.sngGreensHit, 100.0f);
    EXPECT_EQ(f.sngFWaysHit, 100.0f);
}

TEST(GameFiguresTest, PercentagesAreNotClamped) {
    auto greensHit = [](const char* missed) {
        GameEntry entry = FullRound();
        entry.detail[2] = missed;
        return Figures(entry).sngGreensHit;
    };
    EXPECT_EQ(greensHit("18"), 0.0f);
    EXPECT_FLOAT_EQ(greensHit("20"), -11.111111f);

    GameEntry entry = FullRound();
    entry.detail[0] = "10";
    entry.detail[1] = "4";
    EXPECT_EQ(Figures(entry).sngFWaysHit, 0.0f);
}

TEST(GameFiguresTest, HandicapRoundsHalvesToEven) {
    auto handicap = [](const char* text) {
        auto golfer = game_sample::Golfer();
        golfer.Handicap = text;
        auto result = parlow::games::ComputeGameFigures(FullRound(), game_sample::ParSeventyTwo(),
                                                        golfer, kToday);
        return std::get<GameFigures>(result).intHandicap;
    };
    EXPECT_EQ(handicap("13.5"), 14);
    EXPECT_EQ(handicap("scratch"), 0);
}

// A course without par 5s, or without fairways to hit, still gives a round
// that can be stored: its share of nothing is 0.
TEST(GameFiguresTest, ZeroDivisorsGiveZero) {
    parlow::games::CourseCard course = game_sample::ParSeventyTwo();
    course.par = {"4", "4", "3", "4", "4", "4", "3", "4", "4",
                  "4", "3", "4", "4", "4", "3", "4", "4", "4"};
    course.Par4s = "14";
    course.Par5s = "0";
    course.TotalFWays = "0";
    GameEntry entry = FullRound();
    entry.detail[0] = "3";
    const GameFigures f = Figures(entry, course);
    EXPECT_EQ(f.intStats[31], 0);
    EXPECT_EQ(f.sngParAvg[2], 0.0f);
    EXPECT_EQ(f.sngParAvg[1], static_cast<float>(70.0 / 14));
    EXPECT_EQ(f.sngFWaysHit, 0.0f);
}

TEST(GameFiguresTest, AnyValueOrSumBeyondSixteenBitsFailsTheRound) {
    GameEntry entry = FullRound();
    entry.hole[0] = "32768";
    ExpectOverflow(entry);

    entry = FullRound();
    entry.out = "32767";
    entry.in = "1";
    ExpectOverflow(entry);

    entry = FullRound();
    entry.partnerScore[2] = "1e6";
    ExpectOverflow(entry);

    entry = FullRound();
    entry.detail[3] = "20000";
    entry.detail[4] = "20000";
    ExpectOverflow(entry);

    entry = FullRound();
    entry.detail[2] = "-32768";
    ExpectOverflow(entry);  // greens hit: 18 - (-32768)

    entry = FullRound();
    entry.hole[0] = "20000";
    entry.hole[1] = "20000";
    ExpectOverflow(entry);  // both on par-4 holes

    parlow::games::CourseCard course = game_sample::ParSeventyTwo();
    course.ParOut = "30000";
    course.ParIn = "30000";
    ExpectOverflow(FullRound(), course);
}

TEST(GameFiguresTest, NewGameIdIsTheNextRowNumber) {
    zeviza::RecordSet empty({"NewGameID"}, {{zeviza::Value()}});
    EXPECT_EQ(parlow::games::MakeNewGameID(&empty), "G1");
    zeviza::RecordSet fortyOne({"NewGameID"}, {{zeviza::Value(41)}});
    EXPECT_EQ(parlow::games::MakeNewGameID(&fortyOne), "G42");
    EXPECT_FALSE(parlow::games::MakeNewGameID(nullptr).has_value());
    zeviza::RecordSet noRow({"NewGameID"}, {});
    EXPECT_FALSE(parlow::games::MakeNewGameID(&noRow).has_value());
}

}  // namespace
