#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;
using zeviza::Answer;

struct GolferWritesTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course course{"C2", "Pebble Beach", StandardPars()};

    std::string Golfer(const std::string& column, const std::string& id = "D2") const {
        return folder.Text("SELECT " + column + " FROM tblGolfer WHERE GolferID = '" + id + "'");
    }
    void AddGameFor(const std::string& gameID, const std::string& golferID) {
        auto game = MakeGame(gameID, golferID, "Someone", course, ParScores(course, 18));
        ASSERT_TRUE(game.Add(putt));
    }
};

const char* const kProfileColumns[] = {
    "FName",    "MName",     "LName",   "Address",   "City",         "State",
    "Zip",      "HPhone",    "CPhone",  "WPhone",    "Club",         "ClubAddress",
    "ClubCity", "ClubState", "ClubZip", "ClubPhone", "ClubProPhone", "Notes"};

TEST_F(GolferWritesTest, AddGolferStoresCleanedTextsTrimmedAndTheOthersUnchanged) {
    zeviza::TextArray text(23);
    for (std::size_t i = 0; i < 22; ++i) {
        text[i] = " O'T" + std::to_string(i) + " ";
    }
    const std::string id = " D2 ";  // the identifier is written as is
    text[18] = id;
    ASSERT_TRUE(putt.AddGolfer(text, 41, 12.5f));

    for (std::size_t i = 0; i < 18; ++i) {
        EXPECT_EQ(Golfer(kProfileColumns[i], id), "O'T" + std::to_string(i)) << i;
        EXPECT_EQ(text[i], " O''T" + std::to_string(i) + " ") << i;
    }
    EXPECT_EQ(Golfer("FullName", id), "O'T19");
    EXPECT_EQ(Golfer("Sex", id), " O'T20 ");
    EXPECT_EQ(Golfer("Category", id), " O'T21 ");
    EXPECT_EQ(text[18], id);
    EXPECT_EQ(text[20], " O'T20 ");
    EXPECT_EQ(folder.Count("SELECT Age FROM tblGolfer"), 41);
    EXPECT_EQ(folder.Real("SELECT Handicap FROM tblGolfer"), 12.5);
    auto db = folder.Open();
    for (const auto& [column, value] : StoredStatistics(db, id)) {
        EXPECT_EQ(value, 0) << column;
    }
}

TEST_F(GolferWritesTest, AddGolferWithAnIdentifierAlreadyStoredFailsAndReports) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));

    EXPECT_FALSE(AddGolfer(putt, "D2", "Ben", "Hogan"));

    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer"), 1);
    EXPECT_EQ(Golfer("FName"), "Tom");
    ASSERT_EQ(prompts.Shown().size(), 1u);
    const std::string& text = prompts.Last().text;
    EXPECT_EQ(text.rfind("ERROR # 19\r\n\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("\r\nIn the Dynamic Link Library\r\nFunction: AddGolfer"),
              std::string::npos);
    EXPECT_NE(folder.ReadErrorLog().find("Add Golfer - DLL Function\r\n"), std::string::npos);
}

TEST_F(GolferWritesTest, UpdateGolferRewritesTheGolferAndEveryGameOfTheGolfer) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddGolfer(putt, "D4", "Ben", "Hogan"));
    ASSERT_TRUE(AddCourse(putt, course));
    AddGameFor("G1", "D2");
    AddGameFor("G2", "D2");
    AddGameFor("G3", "D4");

    auto text = GolferEditText("Tom", "O'Neil", "Junior Male");
    text[5] = " il ";  // State, written as is
    text[13] = "O'K";  // ClubState, written as is
    text[17] = "Note's";
    std::string id = "D2";
    ASSERT_TRUE(putt.UpdateGolfer(text, 17, 8.5f, id));

    EXPECT_EQ(Golfer("LName"), "O'Neil");
    EXPECT_EQ(Golfer("FullName"), "Tom O'Neil");
    EXPECT_EQ(Golfer("State"), " il ");
    EXPECT_EQ(Golfer("ClubState"), "O'K");
    EXPECT_EQ(Golfer("Notes"), "Note's");
    EXPECT_EQ(Golfer("Category"), "Junior Male");
    EXPECT_EQ(Golfer("Age"), "17");
    EXPECT_EQ(folder.Real("SELECT Handicap FROM tblGolfer WHERE GolferID = 'D2'"), 8.5);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer WHERE GolferID = 'D2' AND ModDate "
                           "GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:*'"),
              1);
    EXPECT_EQ(text[18], "Tom O''Neil");

    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames WHERE GolferID = 'D2' AND "
                           "FullName = 'Tom O''Neil' AND Category = 'Junior Male' AND "
                           "Handicap = 8.5"),
              2);
    EXPECT_EQ(folder.Text("SELECT FullName FROM tblGames WHERE GameID = 'G3'"), "Someone");
    EXPECT_EQ(Golfer("FullName", "D4"), "Ben Hogan");
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
}

TEST_F(GolferWritesTest, ChangingAGolferWhoIsGoneFailsInsteadOfReportingASave) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    auto text = GolferEditText("Tom", "Watson", "Adult Male");
    std::string gone = "D4";
    EXPECT_FALSE(putt.UpdateGolfer(text, 40, 2.0f, gone));
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_NE(prompts.Last().text.find("Function: Update Golfer"), std::string::npos);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer;"), 1);
}

TEST_F(GolferWritesTest, RemovalAsksAndNoLeavesTheGolferAndTheGamesSilently) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddCourse(putt, course));
    AddGameFor("G1", "D2");
    prompts.Clear();
    prompts.Answer(Answer::No);
    std::string id = "D2";

    EXPECT_FALSE(putt.DeleteGolfer(id));

    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer"), 1);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 1);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    const auto& box = prompts.Last();
    EXPECT_EQ(box.title, "Are You Sure?");
    EXPECT_EQ(box.text,
              "Remove this Golfer Record? \r\n\r\nOnce removed it can't be recovered!\r\n\r\n"
              "All games recorded for this Golfer will also be removed! ");
    EXPECT_EQ(box.icon, zeviza::Icon::Question);
    EXPECT_EQ(box.defaultButton, Answer::No);
}

TEST_F(GolferWritesTest, RemovalRemovesTheGolferWithTheGolfersGamesOnly) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddGolfer(putt, "D4", "Ben", "Hogan"));
    ASSERT_TRUE(AddGolfer(putt, "D6", "No", "Games"));
    ASSERT_TRUE(AddCourse(putt, course));
    AddGameFor("G1", "D2");
    AddGameFor("G2", "D4");
    std::string withGames = "D2";
    std::string withoutGames = "D6";

    prompts.Answer(Answer::Yes);
    EXPECT_TRUE(putt.DeleteGolfer(withGames));
    prompts.Answer(Answer::Yes);
    EXPECT_TRUE(putt.DeleteGolfer(withoutGames));

    EXPECT_EQ(folder.Text("SELECT group_concat(GolferID) FROM tblGolfer"), "D4");
    EXPECT_EQ(folder.Text("SELECT group_concat(GameID) FROM tblGames"), "G2");
    EXPECT_TRUE(StatisticsMatchGames(folder, "D4"));
}

}  // namespace
