#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

// A recorded round corrected in place: the row keeps its identifier, its
// place and the date it was added, and every golfer's statistics are the
// sums over the games as they are stored afterwards.

namespace {

using namespace writes_support;

struct GameReplacementWritesTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course standard{"C2", "Pebble Beach", StandardPars()};
    Course shortCourse{"C4", "Short Links", ShortPars()};

    void SetUp() override {
        ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
        ASSERT_TRUE(AddGolfer(putt, "D4", "Ann", "Lee"));
        ASSERT_TRUE(AddCourse(putt, standard));
        ASSERT_TRUE(AddCourse(putt, shortCourse));
        auto first = MakeGame("G1", "D2", "Tom Watson", standard, ParScores(standard, 18, 3), 1);
        ASSERT_TRUE(first.Add(putt));
        auto second = MakeGame("G2", "D4", "Ann Lee", standard, ParScores(standard, 9, 1), 2);
        ASSERT_TRUE(second.Add(putt));
    }

    std::string Column(const std::string& column, const std::string& gameID = "G1") const {
        return folder.Text("SELECT " + column + " FROM tblGames WHERE GameID = '" + gameID + "'");
    }
    bool BothMatch() const {
        return StatisticsMatchGames(folder, "D2") && StatisticsMatchGames(folder, "D4");
    }
};

TEST_F(GameReplacementWritesTest, KeepsTheRowInPlaceAndEveryStatisticTheSumOfTheStoredGames) {
    struct Case {
        const char* what;
        const char* golferID;
        const char* golferName;
        bool otherCourse;
        int holes;
    };
    const Case cases[] = {
        {"same golfer, one hole more", "D2", "Tom Watson", false, 18},
        {"another golfer", "D4", "Ann Lee", false, 18},
        {"18 holes become 9", "D2", "Tom Watson", false, 9},
        {"another course", "D2", "Tom Watson", true, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string id = Column("ID");
        const std::string added = Column("AddDate");
        const Course& course = c.otherCourse ? shortCourse : standard;
        auto game =
            MakeGame("G1", c.golferID, c.golferName, course, ParScores(course, c.holes, 4), 3);
        game.playDate = "2024-06-01 00:00:00";

        ASSERT_TRUE(game.Replace(putt));

        EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 2);
        EXPECT_EQ(Column("ID"), id);
        EXPECT_EQ(Column("AddDate"), added);
        EXPECT_EQ(Column("ModDate").size(), 19u);  // YYYY-MM-DD HH:MM:SS
        EXPECT_EQ(Column("ModDate", "G2"), "");    // never corrected
        EXPECT_EQ(Column("GolferID"), c.golferID);
        EXPECT_EQ(Column("ClubID"), course.id);
        EXPECT_EQ(Column("PlayDate"), "2024-06-01 00:00:00");
        EXPECT_EQ(Column("Holes"), std::to_string(c.holes));
        EXPECT_EQ(Column("GrossScore"), std::to_string(game.gross));
        // A round of the other length keeps nothing in that length's totals.
        const char* otherLength = c.holes == 18 ? "TotalGross9" : "TotalGross18";
        EXPECT_EQ(Column(otherLength), "0");
        EXPECT_TRUE(BothMatch());
        EXPECT_TRUE(prompts.Shown().empty());
    }
}

TEST_F(GameReplacementWritesTest, AGameNoLongerStoredIsRefusedAndNothingChanges) {
    auto game = MakeGame("G9", "D2", "Tom Watson", standard, ParScores(standard, 18, 0));
    const auto before = folder.Text("SELECT group_concat(GameID || GrossScore) FROM tblGames");

    EXPECT_FALSE(game.Replace(putt));

    EXPECT_EQ(folder.Text("SELECT group_concat(GameID || GrossScore) FROM tblGames"), before);
    EXPECT_TRUE(BothMatch());
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_NE(prompts.Last().text.find("The game to replace (G9) is no longer stored"),
              std::string::npos);
    EXPECT_NE(prompts.Last().text.find("Function: ReplaceGame"), std::string::npos);
    EXPECT_NE(folder.ReadErrorLog().find("Replace Game - DLL Function"), std::string::npos);
}

TEST_F(GameReplacementWritesTest, ARowNoLongerAsShownIsLeftAloneWithoutABox) {
    zeviza::ShownRecord shown;
    shown.Add("GolferID", "D2");
    shown.Add("GrossScore", "999");
    auto game = MakeGame("G1", "D4", "Ann Lee", standard, ParScores(standard, 18, 0));

    EXPECT_FALSE(game.Replace(putt, &shown));

    EXPECT_TRUE(shown.changed);
    EXPECT_EQ(Column("GolferID"), "D2");
    EXPECT_TRUE(BothMatch());
    EXPECT_TRUE(prompts.Shown().empty());

    shown.values.back().second = Column("GrossScore");
    EXPECT_TRUE(game.Replace(putt, &shown));
    EXPECT_FALSE(shown.changed);
    EXPECT_EQ(Column("GolferID"), "D4");
}

TEST_F(GameReplacementWritesTest, AFailureAfterTheRowWasRewrittenLeavesTheFileAsItWas) {
    const std::string before =
        folder.Text("SELECT group_concat(GameID || GolferID || GrossScore) FROM tblGames");
    // The new golfer is not stored: the last statements fail after the row
    // and the old golfer's statistics were already changed.
    auto game = MakeGame("G1", "D8", "Nobody", standard, ParScores(standard, 18, 0));

    EXPECT_FALSE(game.Replace(putt));

    EXPECT_EQ(folder.Text("SELECT group_concat(GameID || GolferID || GrossScore) FROM tblGames"),
              before);
    EXPECT_TRUE(BothMatch());
}

}  // namespace
