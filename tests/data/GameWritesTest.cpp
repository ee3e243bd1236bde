#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "tests/data/GameArrays.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;
using game_arrays::ArraysOf;

struct GameWritesTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course course{"C2", "Pebble Beach", StandardPars()};

    void SetUp() override {
        ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
        ASSERT_TRUE(AddCourse(putt, course));
    }

    // Gross 90 (one over on every hole), net 80.
    Game Eighteen(const std::string& id = "G1") {
        std::vector<std::int16_t> scores;
        for (int hole = 1; hole <= 18; ++hole) {
            scores.push_back(static_cast<std::int16_t>(course.ParOf(hole) + 1));
        }
        return MakeGame(id, "D2", "Tom Watson", course, scores);
    }

    double Golfer(const std::string& column) const {
        return folder.Real("SELECT " + column + " FROM tblGolfer WHERE GolferID = 'D2'");
    }
    double GameColumn(const std::string& column, const std::string& id = "G1") const {
        return folder.Real("SELECT " + column + " FROM tblGames WHERE GameID = '" + id + "'");
    }
    Statistics Stats() const {
        auto db = folder.Open();
        return StoredStatistics(db, "D2");
    }
};

TEST_F(GameWritesTest, FirstGameOfANewGolferStartsEveryRunningTotal) {
    auto game = Eighteen();
    ASSERT_TRUE(game.Add(putt));

    EXPECT_EQ(Golfer("Games"), 1);
    EXPECT_EQ(Golfer("Games18"), 1);
    EXPECT_EQ(Golfer("Holes"), 18);
    EXPECT_EQ(Golfer("Holes18"), 18);
    EXPECT_EQ(Golfer("TotalGross18"), 90);
    EXPECT_EQ(Golfer("TotalNet18"), 80);
    EXPECT_DOUBLE_EQ(Golfer("GrossStroke18Avg"), 5.0);
    EXPECT_DOUBLE_EQ(Golfer("NetStroke18Avg"), 80.0 / 18);
    for (const char* column :
         {"Games9", "Holes9", "TotalGross9", "TotalNet9", "TotalPutts9", "GrossStrokes9",
          "NetStrokes9", "GrossStroke9Avg", "NetStroke9Avg", "Par39", "Par49", "Par59"}) {
        EXPECT_EQ(Golfer(column), 0) << column;
    }
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(GameWritesTest, NineHoleGameSetsItsOwnAveragesAndLeavesThe18HoleOnes) {
    ASSERT_TRUE(Eighteen().Add(putt));
    auto nine = MakeGame("G2", "D2", "Tom Watson", course, ParScores(course, 9, 4), 0, 3);
    ASSERT_TRUE(nine.Add(putt));

    EXPECT_DOUBLE_EQ(Golfer("GrossStroke18Avg"), 5.0);
    EXPECT_DOUBLE_EQ(Golfer("NetStroke18Avg"), 80.0 / 18);
    EXPECT_DOUBLE_EQ(Golfer("GrossStroke9Avg"), 40.0 / 9);
    EXPECT_DOUBLE_EQ(Golfer("NetStroke9Avg"), 37.0 / 9);
    EXPECT_EQ(Golfer("Games"), 2);
    EXPECT_EQ(Golfer("Holes"), 27);
    // The par-type counts of every game, and of 9-hole games on their own.
    EXPECT_EQ(Golfer("Par318"), 4 + 2);
    EXPECT_EQ(Golfer("Par39"), 2);
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));

    // A 9-hole row keeps its 18-hole columns at 0.
    for (const char* column :
         {"TotalGross18", "TotalNet18", "TotalPutts18", "GrossStrokes18", "NetStrokes18"}) {
        EXPECT_EQ(GameColumn(column, "G2"), 0) << column;
    }
    EXPECT_EQ(GameColumn("TotalGross9", "G2"), 40);
    EXPECT_EQ(GameColumn("Score10", "G2"), 0);
}

// Each slot carries a distinct number, so a value in the wrong column shows.
TEST_F(GameWritesTest, EverySlotReachesItsOwnColumnInTheGameAndTheGolfer) {
    auto game = ArraysOf(Eighteen());
    for (std::size_t slot = 0; slot < 35; ++slot) {
        game.intStats[slot] = static_cast<std::int16_t>(100 + slot);
    }
    for (std::size_t slot = 0; slot < 25; ++slot) {
        game.intScores[slot] = static_cast<std::int16_t>(200 + slot);
    }
    game.intHandicap = 17;
    game.sngParAvg = {3.3f, 4.4f, 5.5f, 0};
    game.sngStrokeAvg = 4.72f;
    ASSERT_TRUE(game.Add(putt));

    const std::vector<std::pair<const char*, int>> statSlots = {
        {"FWaysLeft", 0},     {"FWaysRight", 1},  {"GreensLeft", 2}, {"GreensRight", 3},
        {"GreensLong", 4},    {"GreensShort", 5}, {"PuttsLeft", 6},  {"PuttsRight", 7},
        {"PuttsLong", 8},     {"PuttsShort", 9},  {"SandSaves", 10}, {"UpDowns", 11},
        {"FWaysMissed", 12},  {"TotalPutts", 13}, {"Aces", 15},      {"DEagles", 16},
        {"Eagles", 17},       {"Birds", 18},      {"Pars", 19},      {"Bogies", 20},
        {"DBogies", 21},      {"TBogies", 22},    {"QBogies", 23},   {"Others", 24},
        {"GreensMissed", 25}, {"PuttsMissed", 26}};
    for (const auto& [column, slot] : statSlots) {
        EXPECT_EQ(GameColumn(column), 100 + slot) << column;
        EXPECT_EQ(Golfer(column), 100 + slot) << column;
    }
    EXPECT_EQ(GameColumn("LongDrive"), 114);
    EXPECT_EQ(GameColumn("TotalFWays"), 127);
    for (int i = 0; i < 3; ++i) {
        const std::string par = "Par" + std::to_string(i + 3);
        EXPECT_EQ(GameColumn(par + "Scr"), 129 + i);
        EXPECT_EQ(GameColumn(par + "18"), 132 + i);
        EXPECT_EQ(Golfer(par + "Score"), 129 + i);
        EXPECT_EQ(Golfer(par + "18"), 132 + i);
        EXPECT_DOUBLE_EQ(Golfer(par + "Avg"), (129.0 + i) / (132 + i));
    }
    EXPECT_EQ(GameColumn("Score1"), 200);
    EXPECT_EQ(GameColumn("Score9"), 208);
    EXPECT_EQ(GameColumn("ScoreOut"), 209);
    EXPECT_EQ(GameColumn("Score10"), 210);
    EXPECT_EQ(GameColumn("Score18"), 218);
    EXPECT_EQ(GameColumn("ScoreIn"), 219);
    EXPECT_EQ(GameColumn("GrossScore"), 220);
    EXPECT_EQ(GameColumn("PartnerScore1"), 221);
    EXPECT_EQ(GameColumn("PartnerScore3"), 223);
    EXPECT_EQ(GameColumn("NetScore"), 224);
    EXPECT_EQ(GameColumn("TotalGross"), 220);
    EXPECT_EQ(GameColumn("TotalNet18"), 224);
    EXPECT_EQ(GameColumn("TotalPutts18"), 113);
    EXPECT_EQ(Golfer("TotalPutts18"), 113);
    EXPECT_EQ(Golfer("GrossStrokes18"), 220);
    EXPECT_EQ(Golfer("NetStrokes18"), 224);
    EXPECT_EQ(GameColumn("Handicap"), 17);
    EXPECT_EQ(GameColumn("Par5"), 4);
    EXPECT_EQ(GameColumn("ParOut"), 36);
    EXPECT_EQ(GameColumn("CoursePar"), 72);
    EXPECT_EQ(GameColumn("HCap18"), 18);
    // Single-precision figures are stored as their shortest decimal text reads.
    EXPECT_EQ(GameColumn("StrokeAvg"), 4.72);
    EXPECT_EQ(GameColumn("Par4Avg"), 4.4);
    EXPECT_EQ(GameColumn("PercentGreensHit"), 50.5);
    EXPECT_EQ(folder.Text("SELECT PlayDate FROM tblGames"), "2024-05-18 00:00:00");
    EXPECT_EQ(folder.Text("SELECT Category FROM tblGames"), "Adult Male");
    EXPECT_EQ(folder.Text("SELECT Club || '|' || Tees || '|' || ClubID FROM tblGames"),
              "Pebble Beach|White|C2");
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames WHERE AddDate GLOB "
                           "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] "
                           "[0-9][0-9]:[0-9][0-9]:[0-9][0-9]'"),
              1);
}

TEST_F(GameWritesTest, DoubleEaglesAndEaglesAreCountedApart) {
    // Hole 4 (par 5) in 2, holes 9 and 13 (par 5) in 3: one double eagle, two eagles;
    // hole 1 in 6: one double bogey and no triple bogey.
    auto scores = ParScores(course, 18);
    scores[3] = 2;
    scores[8] = 3;
    scores[12] = 3;
    scores[0] = 6;
    auto game = MakeGame("G1", "D2", "Tom Watson", course, scores);
    ASSERT_TRUE(game.Add(putt));

    EXPECT_EQ(GameColumn("DEagles"), 1);
    EXPECT_EQ(GameColumn("Eagles"), 2);
    EXPECT_EQ(Golfer("DEagles"), 1);
    EXPECT_EQ(Golfer("Eagles"), 2);
    EXPECT_EQ(Golfer("DBogies"), 1);
    EXPECT_EQ(Golfer("TBogies"), 0);
}

TEST_F(GameWritesTest, NamesWithApostrophesAreStoredWithASingleOne) {
    auto game = ArraysOf(Eighteen());
    game.strGolfer = "Tom O'Watson";
    game.strClub = "St. Andrew's ";
    game.strPartners[0] = "Pat O'Hara";
    game.strPartners[2] = "  Jo  ";
    ASSERT_TRUE(game.Add(putt));

    EXPECT_EQ(folder.Text("SELECT FullName FROM tblGames"), "Tom O'Watson");
    EXPECT_EQ(folder.Text("SELECT Club FROM tblGames"), "St. Andrew's");
    EXPECT_EQ(folder.Text("SELECT Partner1 FROM tblGames"), "Pat O'Hara");
    EXPECT_EQ(folder.Text("SELECT Partner2 FROM tblGames"), "");
    EXPECT_EQ(folder.Text("SELECT Partner3 FROM tblGames"), "Jo");
    // The caller's texts come back in the escaped form, untrimmed.
    EXPECT_EQ(game.strGolfer, "Tom O''Watson");
    EXPECT_EQ(game.strClub, "St. Andrew''s ");
    EXPECT_EQ(game.strPartners[0], "Pat O''Hara");
}

TEST_F(GameWritesTest, CourseWithoutParFiveHolesStillRecordsTheGame) {
    Course shortCourse{"C4", "Short Links", ShortPars()};
    ASSERT_TRUE(AddCourse(putt, shortCourse));
    auto game = MakeGame("G1", "D2", "Tom Watson", shortCourse, ParScores(shortCourse, 18, 2));
    ASSERT_TRUE(game.Add(putt));

    EXPECT_EQ(Golfer("Par518"), 0);
    EXPECT_EQ(Golfer("Par5Avg"), 0);
    EXPECT_DOUBLE_EQ(Golfer("Par4Avg"), (4.0 * 12 + 2) / 12);
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
    EXPECT_TRUE(prompts.Shown().empty());
}

// A trigger in this copy of the database makes one statement of the write fail.
struct InjectedFailure {
    const char* statement;
    const char* trigger;
};

void PrintTo(const InjectedFailure& failure, std::ostream* out) {
    *out << failure.statement;
}

struct GameWriteFailureTest : GameWritesTest, ::testing::WithParamInterface<InjectedFailure> {};

TEST_P(GameWriteFailureTest, LeavesNeitherTheGameNorAnyStatisticChanged) {
    ASSERT_TRUE(Eighteen("G1").Add(putt));
    const auto before = Stats();
    folder.Exec(GetParam().trigger);
    prompts.Clear();

    auto game = Eighteen("G2");
    EXPECT_FALSE(game.Add(putt));

    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 1);
    EXPECT_EQ(Stats(), before);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().title, "Zeviza");
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
    EXPECT_EQ(prompts.Last().text.rfind("ERROR # 19\r\n\r\n", 0), 0u) << prompts.Last().text;
    EXPECT_NE(prompts.Last().text.find("injected\r\nIn the Dynamic Link Library\r\n"
                                       "Function: AddGame"),
              std::string::npos);
    EXPECT_NE(folder.ReadErrorLog().find("Add Game - DLL Function\r\n"), std::string::npos);
    EXPECT_EQ(putt.strFunction, "AddGame");
}

INSTANTIATE_TEST_SUITE_P(
    Statements, GameWriteFailureTest,
    ::testing::Values(InjectedFailure{"totals",
                                      "CREATE TRIGGER fail BEFORE UPDATE OF Games ON tblGolfer "
                                      "BEGIN SELECT RAISE(ABORT, 'injected'); END;"},
                      InjectedFailure{"averages",
                                      "CREATE TRIGGER fail BEFORE UPDATE OF GrossStroke18Avg ON "
                                      "tblGolfer BEGIN SELECT RAISE(ABORT, 'injected'); END;"}),
    [](const auto& info) { return std::string(info.param.statement); });

TEST_F(GameWritesTest, ValueOutOfRangeTellsTheUserWithoutALogEntry) {
    // A NULL into a NOT NULL column is the engine's out-of-range condition.
    folder.Exec(
        "CREATE TABLE Tripwire (x INTEGER NOT NULL);"
        "CREATE TRIGGER fail BEFORE UPDATE OF Games ON tblGolfer "
        "BEGIN INSERT INTO Tripwire VALUES (NULL); END;");
    prompts.Clear();

    EXPECT_FALSE(Eighteen().Add(putt));

    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().text, "Score values entered are not valid! ");
    EXPECT_EQ(prompts.Last().title, "Zeviza");
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
    EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 0);
    EXPECT_EQ(Golfer("Games"), 0);
}

TEST_F(GameWritesTest, ArraysShorterThanTheirLayoutFailWithoutTouchingAnything) {
    auto game = ArraysOf(Eighteen());
    game.strGolfer = "Tom O'Watson";
    game.intStats.resize(20);
    prompts.Clear();

    EXPECT_FALSE(game.Add(putt));

    EXPECT_EQ(game.strGolfer, "Tom O'Watson");
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 0);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().text.rfind("ERROR # 9\r\n", 0), 0u);
}

TEST_F(GameWritesTest, AGameIdentifierAlreadyStoredIsRefusedWhole) {
    ASSERT_TRUE(Eighteen("G1").Add(putt));
    const auto before = Stats();

    EXPECT_FALSE(Eighteen("G1").Add(putt));

    EXPECT_EQ(Stats(), before);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 1);
}

TEST_F(GameWritesTest, AGameOfAGolferOrCourseNotStoredIsRefusedWhole) {
    const std::pair<const char*, std::function<void(Game&)>> strangers[] = {
        {"golfer not stored", [](Game& g) { g.golferId = "D4"; }},
        {"course not stored", [](Game& g) { g.clubId = "C99"; }},
        {"no course", [](Game& g) { g.clubId = ""; }},
    };
    for (const auto& [name, point] : strangers) {
        SCOPED_TRACE(name);
        prompts.Clear();
        Game game = MakeGame("G1", "D2", "Tom Watson", course, std::vector<std::int16_t>(18, 4));
        point(game);
        const auto before = Stats();
        EXPECT_FALSE(game.Add(putt));
        ASSERT_EQ(prompts.Shown().size(), 1u);
        EXPECT_NE(prompts.Last().text.find("Function: AddGame"), std::string::npos);
        EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 0);
        EXPECT_EQ(Stats(), before);
    }
}

// What the screens check is checked again where the row is written: each of
// these fails as any refused write does, and nothing of the game is stored.
TEST_F(GameWritesTest, LengthDateAndFiguresTheStatisticsCannotHoldAreRefused) {
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<const char*, std::function<void(Game&)>> unusable[] = {
        {"0 holes", [](Game& g) { g.holes = 0; }},
        {"27 holes", [](Game& g) { g.holes = 27; }},
        {"no date", [](Game& g) { g.playDate = ""; }},
        {"date only", [](Game& g) { g.playDate = "2024-05-18"; }},
        {"30 February", [](Game& g) { g.playDate = "2024-02-30 00:00:00"; }},
        {"29 February 2023", [](Game& g) { g.playDate = "2023-02-29 00:00:00"; }},
        {"month 13", [](Game& g) { g.playDate = "2024-13-01 00:00:00"; }},
        {"hour 24", [](Game& g) { g.playDate = "2024-05-18 24:00:00"; }},
        {"letters", [](Game& g) { g.playDate = "2024-05-1x 00:00:00"; }},
        {"slashes", [](Game& g) { g.playDate = "2024/05/18 00:00:00"; }},
        {"infinite handicap index", [inf](Game& g) { g.strokeAverage = inf; }},
        {"not a number", [](Game& g) { g.puttAverage = std::nanf(""); }},
        {"infinite greens", [inf](Game& g) { g.greensHit = -inf; }},
        {"infinite fairways", [inf](Game& g) { g.fairwaysHit = inf; }},
        {"infinite par average", [inf](Game& g) { g.parAverages[2] = inf; }},
    };
    for (const auto& [name, spoil] : unusable) {
        SCOPED_TRACE(name);
        std::filesystem::remove(folder.ErrorLog());
        prompts.Clear();
        auto game = Eighteen();
        spoil(game);

        EXPECT_FALSE(game.Add(putt));

        EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 0);
        EXPECT_EQ(Golfer("Games"), 0);
        ASSERT_EQ(prompts.Shown().size(), 1u);
        EXPECT_EQ(prompts.Last().text.rfind("ERROR # 5\r\n", 0), 0u) << prompts.Last().text;
        EXPECT_NE(prompts.Last().text.find("Function: AddGame"), std::string::npos);
        EXPECT_NE(folder.ReadErrorLog().find("Add Game - DLL Function\r\n"), std::string::npos);
    }
    auto leapDay = Eighteen();
    leapDay.playDate = "2024-02-29 23:59:59";
    EXPECT_TRUE(leapDay.Add(putt));
}

}  // namespace

namespace {

// The array methods are the record methods reached through the slots: the
// same round stores the same row and the same statistics either way.
TEST_F(GameWritesTest, TheArrayFormStoresWhatTheRecordStores) {
    Game game = Eighteen("G1");
    game.partners = {"Pat O'Hara ", "", "  Jo"};
    ASSERT_TRUE(game.Add(putt));
    auto arrays = ArraysOf(game);
    arrays.strGameID = "G2";
    ASSERT_TRUE(arrays.Add(putt));
    EXPECT_EQ(RowDifferences(folder, "tblGames", "GameID", "G2", "G1"), "");
    EXPECT_EQ(folder.Text("SELECT Partner1 FROM tblGames WHERE GameID = 'G2'"), "Pat O'Hara");

    Game nine = MakeGame("G1", "D2", "Tom Watson", course, ParScores(course, 9, 3), 2);
    ASSERT_TRUE(nine.Replace(putt));
    auto nineArrays = ArraysOf(nine);
    nineArrays.strGameID = "G2";
    ASSERT_TRUE(nineArrays.Replace(putt));
    EXPECT_EQ(RowDifferences(folder, "tblGames", "GameID", "G2", "G1"), "");
    EXPECT_EQ(GameColumn("Holes", "G2"), 9);
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));

    prompts.Answer(zeviza::Answer::Yes);
    std::string id = "G2";
    std::string golfer = "D2";
    zeviza::IntArray unused(41);
    ASSERT_TRUE(putt.DeleteGame(id, golfer, 9, unused));
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 1);
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
    EXPECT_EQ(Golfer("Games9"), 1);
}

}  // namespace
