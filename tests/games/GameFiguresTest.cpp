#include <gtest/gtest.h>

#include <array>
#include <string>

#include "games/rules/GameFigures.h"
#include "games/rules/GameNumbers.h"
#include "games/rules/GameValidation.h"
#include "tests/games/GameSample.h"

namespace {

using game_sample::FullRound;
using game_sample::kToday;
using parlow::games::GameEntry;
using zeviza::GameRecord;
using zeviza::GameStats;

std::variant<GameRecord, zeviza::Error> Compute(const GameEntry& entry,
                                                const parlow::games::CourseCard& course) {
    return parlow::games::ComputeGameFigures(entry, course, game_sample::Golfer(), kToday);
}

GameRecord Figures(const GameEntry& entry,
                   const parlow::games::CourseCard& course = game_sample::ParSeventyTwo()) {
    auto result = Compute(entry, course);
    if (auto* failure = std::get_if<zeviza::Error>(&result)) {
        ADD_FAILURE() << "unexpected failure " << failure->Description();
        return {};
    }
    return std::get<GameRecord>(result);
}

// The box names what overflowed, so the golfer knows which field to mend.
void ExpectOverflow(const GameEntry& entry, const std::string& overflowed,
                    const parlow::games::CourseCard& course = game_sample::ParSeventyTwo()) {
    auto result = Compute(entry, course);
    auto* failure = std::get_if<zeviza::Error>(&result);
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->Number(), parlow::games::kOverflowNumber);
    EXPECT_EQ(failure->Description(), "Overflow in " + overflowed);
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

TEST(GameFiguresTest, AFullRoundFillsEveryField) {
    const GameRecord f = Figures(RoundWithDetails());
    EXPECT_EQ(f.scores, (zeviza::HoleValues{5, 4, 4, 6, 4, 5, 3, 4, 5, 5, 4, 6, 5, 5, 4, 5, 6, 5}));
    EXPECT_EQ(f.scoreOut, 40);
    EXPECT_EQ(f.scoreIn, 45);
    EXPECT_EQ(f.gross, 85);
    EXPECT_EQ(f.net, 85);
    EXPECT_EQ(f.partnerScores, (std::array<std::int16_t, 3>{88, 0, 92}));
    EXPECT_EQ(f.pars, (zeviza::HoleValues{4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 3, 4, 5, 4}));
    EXPECT_EQ(f.parOut, 36);
    EXPECT_EQ(f.parIn, 36);
    EXPECT_EQ(f.coursePar, 72);
    EXPECT_EQ(f.holeHandicaps,
              (zeviza::HoleValues{18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    // The detail fields in their order: double eagles are the 15th, eagles the 16th.
    const GameStats stats{.fairwaysLeft = 2,
                          .fairwaysRight = 1,
                          .fairwaysMissed = 3,
                          .fairwaysToHit = 14,
                          .greensLeft = 1,
                          .greensRight = 2,
                          .greensLong = 1,
                          .greensShort = 1,
                          .greensMissed = 5,
                          .puttsLeft = 1,
                          .puttsRight = 0,
                          .puttsLong = 2,
                          .puttsShort = 1,
                          .puttsMissed = 4,
                          .totalPutts = 32,
                          .sandSaves = 1,
                          .upDowns = 2,
                          .longDrive = 285,
                          .aces = 0,
                          .doubleEagles = 1,
                          .eagles = 2,
                          .birdies = 3,
                          .pars = 8,
                          .bogies = 4,
                          .doubleBogies = 1,
                          .tripleBogies = 0,
                          .quadrupleBogies = 0,
                          .others = 0,
                          .parScores = {15, 47, 23},
                          .parCounts = {4, 10, 4}};
    EXPECT_EQ(f.stats, stats);
    EXPECT_EQ(f.holes, 18);
    EXPECT_EQ(f.strokeAverage, 4.72f);
    EXPECT_EQ(f.puttAverage, 1.78f);
    EXPECT_EQ(f.greensHit, static_cast<float>(13.0 / 18 * 100));
    EXPECT_FLOAT_EQ(f.greensHit, 72.22222f);
    EXPECT_EQ(f.fairwaysHit, static_cast<float>(11.0 / 14 * 100));
    EXPECT_FLOAT_EQ(f.fairwaysHit, 78.57143f);
    EXPECT_EQ(f.parAverages, (zeviza::ParTypeAverages{3.75f, 4.7f, 5.75f}));
    EXPECT_EQ(f.partners, (std::array<std::string, 3>{"Joe D'Amato", "", "Kim"}));
    EXPECT_EQ(f.playDate, "2024-06-15 00:00:00");
    EXPECT_EQ(f.golferName, "Ann O'Hara");
    EXPECT_EQ(f.golferId, "D6");
    EXPECT_EQ(f.category, "Amateur");
    EXPECT_EQ(f.handicap, 12) << "12.5 rounds to the even 12";
    EXPECT_EQ(f.clubName, "Pine Hollow");
    EXPECT_EQ(f.clubId, "C4");
    EXPECT_EQ(f.tees, "White");
    EXPECT_EQ(f.gameId, "");
}

TEST(GameFiguresTest, BackNineOnlyAfterTheQuestion) {
    GameEntry entry = FullRound();
    for (int hole = 0; hole < 9; ++hole) {
        entry.hole[hole] = "";
    }
    entry.out = "";
    entry.in = "38";
    const GameRecord f = Figures(Settled(entry));
    EXPECT_EQ(f.holes, 9);
    EXPECT_EQ(f.gross, 38);
    EXPECT_EQ(f.net, 38);
    EXPECT_EQ(f.scoreOut, 0);
    for (int hole = 0; hole < 9; ++hole) {
        EXPECT_EQ(f.scores[hole], 0);
    }
}

TEST(GameFiguresTest, OneEmptyFrontHoleAndYesMakesABackNineGame) {
    GameEntry entry = FullRound();
    entry.hole[6] = "";
    const GameRecord f = Figures(Settled(entry));
    EXPECT_EQ(f.holes, 9);
    EXPECT_EQ(f.gross, 45);
    EXPECT_EQ(f.scoreOut, 0);
    EXPECT_EQ(f.stats.parScores[0], 8) << "only the back nine's par 3s: 4 + 4";
}

TEST(GameFiguresTest, AZeroOrMissingTotalMakesANineHoleGameOfTheOther) {
    GameEntry entry = FullRound();
    entry.out = "0";
    GameRecord f = Figures(Settled(entry));
    EXPECT_EQ(f.holes, 9);
    EXPECT_EQ(f.gross, 45);
    EXPECT_EQ(f.scores[2], 4) << "no question was asked, the front nine stays";

    entry = FullRound();
    entry.in = "";
    f = Figures(Settled(entry));
    EXPECT_EQ(f.holes, 9);
    EXPECT_EQ(f.gross, 40);
    EXPECT_EQ(f.scores[9], 5) << "back-nine holes are still stored";
    EXPECT_EQ(f.stats.parScores[0], 7) << "but only the front nine is summed by par type";
    EXPECT_EQ(f.stats.parScores[2], 11);
    EXPECT_EQ(f.strokeAverage, 4.44f);
}

TEST(GameFiguresTest, StrokeAveragePerHolePlayed) {
    GameEntry entry = FullRound();
    entry.out = "42";
    entry.in = "";
    EXPECT_EQ(Figures(entry).strokeAverage, 4.67f);
}

TEST(GameFiguresTest, FrontNineParThreeAverageUsesTheNinesCount) {
    GameEntry entry;
    entry.hole = {"5", "4", "3", "6", "4", "5", "4", "4", "5"};
    entry.out = "40";
    const GameRecord f = Figures(Settled(entry));
    EXPECT_EQ(f.stats.parScores[0], 7);
    EXPECT_EQ(f.stats.parCounts[0], 2);
    EXPECT_EQ(f.parAverages[0], 3.5f);
}

// A round's par-type figures, fairways and par against the sums over the
// holes it played: both nines of an 18-hole round, the nine of a 9-hole one.
TEST(GameFiguresTest, FiguresAreThoseOfTheHolesPlayed) {
    struct Case {
        const char* round;
        int first, end;  // the holes played
        const char* out;
        const char* in;
    };
    const parlow::games::CourseCard course = game_sample::ParSeventyTwo();
    for (const Case& c :
         {Case{"18 holes", 0, 18, "40", "45"}, Case{"front nine", 0, 9, "40", ""},
          Case{"back nine", 9, 18, "", "45"}, Case{"front, In typed 0", 0, 9, "40", "0"},
          Case{"back, Out typed 0", 9, 18, "0", "45"}}) {
        GameEntry entry = FullRound();
        entry.out = c.out;
        entry.in = c.in;
        entry.detail[0] = "1";  // one fairway missed
        const GameRecord f = Figures(entry, course);
        int scores[3] = {}, counts[3] = {}, par = 0, longHoles = 0;
        for (int hole = c.first; hole < c.end; ++hole) {
            const int holePar = std::stoi(course.par[hole]);
            scores[holePar - 3] += std::stoi(entry.hole[hole]);
            ++counts[holePar - 3];
            par += holePar;
            longHoles += holePar == 3 ? 0 : 1;
        }
        EXPECT_EQ(f.holes, c.end - c.first) << c.round;
        EXPECT_EQ(f.coursePar, par) << c.round << ": the par of the holes played";
        EXPECT_EQ(f.stats.fairwaysToHit, longHoles) << c.round << ": fairways to hit";
        EXPECT_EQ(f.fairwaysHit, static_cast<float>((longHoles - 1.0) / longHoles * 100))
            << c.round;
        for (int type = 0; type < 3; ++type) {
            EXPECT_EQ(f.stats.parScores[type], scores[type]) << c.round << " par " << type + 3;
            EXPECT_EQ(f.stats.parCounts[type], counts[type]) << c.round << " par " << type + 3;
            EXPECT_EQ(f.parAverages[type], static_cast<float>(double(scores[type]) / counts[type]))
                << c.round << " par " << type + 3;
        }
    }
}

// A nine never has more fairways to hit than the course counts in all.
TEST(GameFiguresTest, ANinesFairwaysAreAtMostTheCourses) {
    parlow::games::CourseCard course = game_sample::ParSeventyTwo();
    GameEntry entry = FullRound();
    entry.in = "";
    course.TotalFWays = "5";
    EXPECT_EQ(Figures(entry, course).stats.fairwaysToHit, 5);
    course.TotalFWays = "0";
    EXPECT_EQ(Figures(entry, course).stats.fairwaysToHit, 0);
    EXPECT_EQ(Figures(entry, course).fairwaysHit, 0.0f);
}

TEST(GameFiguresTest, EmptyDetailsCountZeroAndNoPuttsMeansNoPuttAverage) {
    const GameRecord f = Figures(FullRound());
    GameStats none;
    none.fairwaysToHit = f.stats.fairwaysToHit;
    none.parScores = f.stats.parScores;
    none.parCounts = f.stats.parCounts;
    EXPECT_EQ(f.stats, none);
    EXPECT_EQ(f.puttAverage, 0.0f);
    EXPECT_EQ(f.greensHit, 100.0f);
    EXPECT_EQ(f.fairwaysHit, 100.0f);
}

TEST(GameFiguresTest, PercentagesAreNotClamped) {
    auto greensHit = [](const char* missed) {
        GameEntry entry = FullRound();
        entry.detail[2] = missed;
        return Figures(entry).greensHit;
    };
    EXPECT_EQ(greensHit("18"), 0.0f);
    EXPECT_FLOAT_EQ(greensHit("20"), -11.111111f);

    GameEntry entry = FullRound();
    entry.detail[0] = "10";
    entry.detail[1] = "4";
    EXPECT_EQ(Figures(entry).fairwaysHit, 0.0f);
}

TEST(GameFiguresTest, HandicapRoundsHalvesToEven) {
    auto handicap = [](const char* text) {
        auto golfer = game_sample::Golfer();
        golfer.Handicap = text;
        auto result = parlow::games::ComputeGameFigures(FullRound(), game_sample::ParSeventyTwo(),
                                                        golfer, kToday);
        return std::get<GameRecord>(result).handicap;
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
    const GameRecord f = Figures(entry, course);
    EXPECT_EQ(f.stats.parScores[2], 0);
    EXPECT_EQ(f.parAverages[2], 0.0f);
    EXPECT_EQ(f.parAverages[1], static_cast<float>(70.0 / 14));
    EXPECT_EQ(f.fairwaysHit, 0.0f);
}

TEST(GameFiguresTest, AnyValueOrSumBeyondSixteenBitsFailsTheRound) {
    GameEntry entry = FullRound();
    entry.hole[0] = "32768";
    ExpectOverflow(entry, "hole #1");

    entry = FullRound();
    entry.out = "32767";
    entry.in = "1";
    ExpectOverflow(entry, "Gross");

    entry = FullRound();
    entry.partnerScore[2] = "1e6";
    ExpectOverflow(entry, "Playing Partner 3 Score");

    entry = FullRound();
    entry.detail[12] = "9e9";
    ExpectOverflow(entry, "Total Putts");

    entry = FullRound();
    entry.detail[3] = "20000";
    entry.detail[4] = "20000";
    ExpectOverflow(entry, "Greens Missed");

    entry = FullRound();
    entry.detail[2] = "-32768";
    ExpectOverflow(entry, "Greens Hit");  // 18 - (-32768)

    entry = FullRound();
    entry.hole[0] = "20000";
    entry.hole[1] = "20000";
    ExpectOverflow(entry, "Par 4 score sum");  // both on par-4 holes

    parlow::games::CourseCard course = game_sample::ParSeventyTwo();
    course.ParOut = "30000";
    course.ParIn = "30000";
    ExpectOverflow(FullRound(), "the course's par", course);
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
