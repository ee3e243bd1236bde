#include <gtest/gtest.h>

#include "tests/data/GolferArrays.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;
using golfer_arrays::GolferEditText;
using golfer_arrays::GolferText;
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

    // The refused insert's statement waits for the next call like any other:
    // that call stores its golfer with its own values, none of the refused ones.
    EXPECT_TRUE(AddGolfer(putt, "D4", "Ben", "Hogan"));
    EXPECT_EQ(Golfer("FName", "D4"), "Ben");
    EXPECT_EQ(Golfer("FName"), "Tom");
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
    EXPECT_FALSE(putt.UpdateGolfer(GolferEdit("D4", "Tom", "Watson")));
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

// The array methods are the record methods reached through the slots: the
// same golfer stores the same row either way, and a change writes the same
// golfer row and the same copies into the golfer's games.
TEST_F(GolferWritesTest, TheArrayFormStoresWhatTheRecordStores) {
    ASSERT_TRUE(putt.AddGolfer(GolferRecordOf("D2", "Tom", "O'Neil ", 8.5f)));
    auto text = GolferText("D4", "Tom", "O'Neil ");
    ASSERT_TRUE(putt.AddGolfer(text, 40, 8.5f));
    EXPECT_EQ(RowDifferences(folder, "tblGolfer", "GolferID", "D4", "D2"), "");
    ASSERT_TRUE(AddCourse(putt, course));
    AddGameFor("G1", "D2");
    AddGameFor("G2", "D4");

    auto record = GolferEdit("D2", "Ann", "O'Hara ", "Junior Female");
    record.state = " oh ";
    record.clubState = "O'K";
    record.notes = " Note's ";
    record.age = 17;
    record.handicap = 3.5f;
    ASSERT_TRUE(putt.UpdateGolfer(record));
    auto edit = GolferEditText("Ann", "O'Hara ", "Junior Female");
    edit[5] = " oh ";
    edit[13] = "O'K";
    edit[17] = " Note's ";
    std::string id = "D4";
    ASSERT_TRUE(putt.UpdateGolfer(edit, 17, 3.5f, id));
    EXPECT_EQ(RowDifferences(folder, "tblGolfer", "GolferID", "D4", "D2"), "");
    EXPECT_EQ(Golfer("FullName || '|' || State || '|' || Notes"), "Ann O'Hara| oh |Note's");
    EXPECT_EQ(folder.Count("SELECT COUNT(DISTINCT FullName || '|' || Category || '|' || Handicap) "
                           "FROM tblGames"),
              1);
    EXPECT_EQ(folder.Text("SELECT FullName FROM tblGames WHERE GameID = 'G2'"), "Ann O'Hara ");
}

// An array shorter than its layout fails before anything is cleaned or stored.
TEST_F(GolferWritesTest, ShortArraysAreOutOfRangeAndLeaveTextsAndRowsAlone) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    auto text = GolferText("D4", "O'Neil", "Ben");
    text.resize(21);
    EXPECT_FALSE(putt.AddGolfer(text, 40, 1.5f));
    auto edit = GolferEditText("O'Neil", "Ben");
    edit.resize(20);
    std::string id = "D2";
    EXPECT_FALSE(putt.UpdateGolfer(edit, 40, 1.5f, id));

    ASSERT_EQ(prompts.Shown().size(), 2u);
    for (const auto& box : prompts.Shown()) {
        EXPECT_EQ(box.text.rfind("ERROR # 9\r\n", 0), 0u) << box.text;
        EXPECT_NE(box.text.find("Subscript out of range"), std::string::npos) << box.text;
    }
    EXPECT_EQ(text[0], "O'Neil");
    EXPECT_EQ(edit[0], "O'Neil");
    EXPECT_EQ(folder.Text("SELECT group_concat(FullName) FROM tblGolfer"), "Tom Watson");
}

}  // namespace
