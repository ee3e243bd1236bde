#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;
using zeviza::Answer;

struct GameRemovalWritesTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course course{"C2", "Pebble Beach", StandardPars()};

    void SetUp() override {
        ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
        ASSERT_TRUE(AddCourse(putt, course));
    }

    void Add(const std::string& id, int holes, int over, int seed = 0) {
        auto game = MakeGame(id, "D2", "Tom Watson", course, ParScores(course, holes, over), seed);
        ASSERT_TRUE(game.Add(putt));
    }
    bool Remove(const std::string& id, Answer answer = Answer::Yes) {
        prompts.Answer(answer);
        auto removal = RemovalOf(folder, id);
        return removal.Run(putt);
    }
    Statistics Stats() const {
        auto db = folder.Open();
        return StoredStatistics(db, "D2");
    }
    long long Games() const { return folder.Count("SELECT COUNT(*) FROM tblGames"); }
};

TEST_F(GameRemovalWritesTest, AsksWhileTheRemovalIsStillOpen) {
    Add("G1", 18, 0);
    ASSERT_TRUE(Remove("G1"));

    ASSERT_EQ(prompts.Shown().size(), 1u);
    const auto& box = prompts.Last();
    EXPECT_EQ(box.title, "Are You Sure?");
    EXPECT_EQ(box.text, "Remove this Game Record? \r\n\r\nOnce removed it can't be recovered. ");
    EXPECT_EQ(box.icon, zeviza::Icon::Question);
    EXPECT_EQ(box.buttons, zeviza::Buttons::YesNo);
    EXPECT_EQ(box.defaultButton, Answer::No);
    EXPECT_EQ(Games(), 0);
}

TEST_F(GameRemovalWritesTest, LastEighteenHoleGameTakesItsFiguresAndAveragesToZero) {
    Add("G1", 18, 5);
    Add("G2", 9, 2);
    const auto before = Stats();

    ASSERT_TRUE(Remove("G1"));

    const auto after = Stats();
    for (const char* column : {"Games18", "Holes18", "TotalGross18", "TotalNet18",
                               "GrossStroke18Avg", "NetStroke18Avg", "TotalPutts18"}) {
        EXPECT_EQ(after.at(column), 0) << column;
    }
    for (const char* column : {"Games9", "Holes9", "TotalGross9", "TotalNet9", "GrossStroke9Avg",
                               "NetStroke9Avg", "Par39", "Par49", "Par59"}) {
        EXPECT_EQ(after.at(column), before.at(column)) << column;
    }
    EXPECT_EQ(after.at("Games"), 1);
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
    EXPECT_EQ(prompts.Shown().size(), 1u);
}

TEST_F(GameRemovalWritesTest, OneOfTwoGamesLeavesTheOthersAverage) {
    Add("G1", 18, 0);
    Add("G2", 18, 9);

    ASSERT_TRUE(Remove("G2"));

    EXPECT_DOUBLE_EQ(Stats().at("GrossStroke18Avg"), 72.0 / 18);
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
}

TEST_F(GameRemovalWritesTest, NoRestoresTheGameAndEveryStatisticSilently) {
    Add("G1", 18, 3);
    const auto before = Stats();

    EXPECT_FALSE(Remove("G1", Answer::No));

    EXPECT_EQ(Games(), 1);
    EXPECT_EQ(Stats(), before);
    EXPECT_EQ(prompts.Shown().size(), 1u);  // the question only
    EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));
}

// Adding a game and removing it again must give back exactly the golfer the
// game found, par-type sums, counts and averages included.
TEST_F(GameRemovalWritesTest, AddingThenRemovingAGameRestoresEveryStatistic) {
    for (int holes : {18, 9}) {
        SCOPED_TRACE(holes);
        Add("G" + std::to_string(holes) + "a", 18, 2, 1);
        Add("G" + std::to_string(holes) + "b", 9, 1, 2);
        const auto before = Stats();

        Add("G" + std::to_string(holes) + "x", holes, 7, 3);
        ASSERT_NE(Stats(), before);
        ASSERT_TRUE(Remove("G" + std::to_string(holes) + "x"));

        EXPECT_EQ(Stats(), before);
    }
}

TEST_F(GameRemovalWritesTest, ParTypeFiguresComeOutOfNineHoleGamesToo) {
    Add("G1", 9, 4);
    ASSERT_GT(Stats().at("Par39"), 0);

    ASSERT_TRUE(Remove("G1"));

    for (const char* column :
         {"Par3Score", "Par4Score", "Par5Score", "Par318", "Par418", "Par518", "Par39", "Par49",
          "Par59", "Par3Avg", "Par4Avg", "Par5Avg", "GrossStroke9Avg"}) {
        EXPECT_EQ(Stats().at(column), 0) << column;
    }
}

TEST_F(GameRemovalWritesTest, AGameNoLongerStoredTakesNothingOut) {
    Add("G1", 18, 0);
    auto removal = RemovalOf(folder, "G1");
    removal.gameId = "G77";
    const auto before = Stats();
    prompts.Answer(Answer::Yes);

    EXPECT_TRUE(removal.Run(putt));

    EXPECT_EQ(Stats(), before);
    EXPECT_EQ(Games(), 1);
}

struct RemovalFailureTest : GameRemovalWritesTest, ::testing::WithParamInterface<const char*> {};

TEST_P(RemovalFailureTest, LeavesTheGameAndEveryStatisticAndAsksNothing) {
    Add("G1", 18, 0);
    Add("G2", 18, 4);
    const auto before = Stats();
    folder.Exec(std::string("CREATE TRIGGER fail BEFORE UPDATE OF ") + GetParam() +
                " ON tblGolfer BEGIN SELECT RAISE(ABORT, 'injected'); END;");
    prompts.Answer(Answer::Yes);
    auto removal = RemovalOf(folder, "G2");

    EXPECT_FALSE(removal.Run(putt));

    EXPECT_EQ(Games(), 2);
    EXPECT_EQ(Stats(), before);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
    EXPECT_NE(prompts.Last().text.find("Function: RemoveGame"), std::string::npos);
    EXPECT_NE(folder.ReadErrorLog().find("Remove Game - DLL Function\r\n"), std::string::npos);
}

// Games is moved by the totals statement only, the stroke average by the
// averages statement only.
INSTANTIATE_TEST_SUITE_P(Statements, RemovalFailureTest,
                         ::testing::Values("Games", "GrossStroke18Avg"));

TEST_F(GameRemovalWritesTest, AveragesWithoutValueBecomeZeroAndTheRemovalGoesOn) {
    Add("G1", 18, 0);
    Add("G2", 18, 4);
    folder.Exec(
        "CREATE TABLE Tripwire (x INTEGER NOT NULL);"
        "CREATE TRIGGER fail BEFORE UPDATE OF GrossStroke18Avg ON tblGolfer "
        "WHEN NEW.GrossStroke18Avg <> 0 BEGIN INSERT INTO Tripwire VALUES (NULL); END;");

    ASSERT_TRUE(Remove("G2"));

    EXPECT_EQ(Games(), 1);
    EXPECT_EQ(Stats().at("Games"), 1);
    EXPECT_EQ(Stats().at("GrossStroke18Avg"), 0);
    EXPECT_EQ(Stats().at("NetStroke18Avg"), 0);
    EXPECT_EQ(prompts.Shown().size(), 1u);  // the question only
    EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));
}

TEST_F(GameRemovalWritesTest, UpdateGolferStatsRecomputesTheStrokeAveragesOfOneLength) {
    Add("G1", 18, 0);
    Add("G2", 9, 0);
    folder.Exec(
        "UPDATE tblGolfer SET GrossStroke18Avg = 99, NetStroke18Avg = 99, "
        "GrossStroke9Avg = 99");
    std::string game = "G1";
    std::string golfer = "D2";
    zeviza::IntArray unused(41);

    EXPECT_TRUE(putt.UpdateGolferStats(game, golfer, 18, unused));

    EXPECT_DOUBLE_EQ(Stats().at("GrossStroke18Avg"), 4.0);
    EXPECT_DOUBLE_EQ(Stats().at("NetStroke18Avg"), 62.0 / 18);
    EXPECT_EQ(Stats().at("GrossStroke9Avg"), 99);

    // No games of a length: the averages are 0, not a failure.
    folder.Exec("DELETE FROM tblGames; UPDATE tblGolfer SET Holes9 = 0, TotalGross9 = 0");
    EXPECT_TRUE(putt.UpdateGolferStats(game, golfer, 9, unused));
    EXPECT_EQ(Stats().at("GrossStroke9Avg"), 0);
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(GameRemovalWritesTest, UpdateGolferStatsReportsUnderItsOwnLabels) {
    folder.Exec(
        "CREATE TRIGGER fail BEFORE UPDATE ON tblGolfer "
        "BEGIN SELECT RAISE(ABORT, 'injected'); END;");
    std::string game = "G1";
    std::string golfer = "D2";
    zeviza::IntArray unused(41);

    EXPECT_FALSE(putt.UpdateGolferStats(game, golfer, 18, unused));

    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_NE(prompts.Last().text.find("Function: RemoveGame - UpdateStats"), std::string::npos);
    EXPECT_NE(folder.ReadErrorLog().find("UpdateGolferStats - DLL Function\r\n"),
              std::string::npos);
}

}  // namespace
