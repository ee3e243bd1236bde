#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <thread>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "zeviza/Putt.h"

namespace {

using testing_support::ProgramFolder;
using testing_support::ReadFile;
using testing_support::ScriptedPrompts;

zeviza::GolferRecord SampleGolfer() {
    zeviza::GolferRecord g;
    g.golferId = "D2";
    g.firstName = "Ann";
    g.lastName = "Lee";
    g.fullName = "Ann Lee";
    g.sex = "Female";
    g.category = "Adult Female";
    g.age = 30;
    g.handicap = 1.5f;
    return g;
}

class FailureStylesTest : public ::testing::Test {
  protected:
    ProgramFolder folder;
    ScriptedPrompts prompts;
};

TEST_F(FailureStylesTest, MissingDatabase) {
    std::filesystem::remove(folder.Database());
    zeviza::Putt putt(folder.Path());

    // Ignore: nothing back, nothing shown.
    EXPECT_EQ(putt.LoadGolferList(), nullptr);
    EXPECT_EQ(putt.RefreshStats(18), nullptr);
    // Report and Propagate: the open failure goes to the caller, unannounced.
    EXPECT_THROW(putt.LoadGolfer(), zeviza::Error);
    EXPECT_THROW(putt.GetNewGameID(), zeviza::Error);
    EXPECT_THROW(putt.LoadGolferEdit("D2"), zeviza::Error);
    // A write that cannot open its connection does the same, without a log entry.
    const auto golfer = SampleGolfer();
    EXPECT_THROW(putt.AddGolfer(golfer), zeviza::Error);

    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));
    // The library never creates the database it was pointed at.
    EXPECT_FALSE(std::filesystem::exists(folder.Database()));
    EXPECT_FALSE(putt.conDataBase()->IsOpen());
}

TEST_F(FailureStylesTest, AFileOfRandomBytesIsNeverTouched) {
    {
        std::ofstream out(folder.Database(), std::ios::binary | std::ios::trunc);
        std::mt19937 random(7);
        for (int i = 0; i < 8192; ++i) {
            out.put(static_cast<char>(random()));
        }
    }
    const std::string before = ReadFile(folder.Database());
    zeviza::Putt putt(folder.Path());

    EXPECT_EQ(putt.LoadGolferList(), nullptr);
    EXPECT_EQ(putt.RefreshGolfers(), nullptr);
    EXPECT_TRUE(prompts.Shown().empty());

    const auto golfer = SampleGolfer();
    EXPECT_FALSE(putt.AddGolfer(golfer));
    ASSERT_EQ(prompts.Shown().size(), 1u);
    const auto& box = prompts.Last();
    EXPECT_EQ(box.title, "Zeviza");
    EXPECT_EQ(box.icon, zeviza::Icon::Critical);
    EXPECT_EQ(box.text.rfind("ERROR # 26\r\n\r\n", 0), 0u) << box.text;
    EXPECT_NE(box.text.find("\r\nIn the Dynamic Link Library\r\nFunction: AddGolfer"),
              std::string::npos);
    EXPECT_EQ(putt.strFunction, "AddGolfer");
    EXPECT_NE(folder.ReadErrorLog().find("Add Golfer - DLL Function"), std::string::npos);

    EXPECT_EQ(ReadFile(folder.Database()), before);
}

TEST_F(FailureStylesTest, ALockedDatabaseFailsReadsQuietlyAndWritesLoudly) {
    SQLite::Database holder(folder.Database().string(), SQLite::OPEN_READWRITE);
    holder.exec("BEGIN EXCLUSIVE;");
    zeviza::Putt putt(folder.Path());

    EXPECT_EQ(putt.LoadGolferList(), nullptr);
    EXPECT_TRUE(prompts.Shown().empty());

    const auto golfer = SampleGolfer();
    EXPECT_FALSE(putt.AddGolfer(golfer));
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().text.rfind("ERROR # 5\r\n", 0), 0u) << prompts.Last().text;
    holder.exec("ROLLBACK;");

    // Once the other holder lets go, the same object works again.
    EXPECT_TRUE(putt.AddGolfer(golfer));
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer;"), 1);
}

TEST_F(FailureStylesTest, AStatementFailureInAReportingReadGoesToTheCaller) {
    folder.Exec("DROP TABLE tblClub;");
    zeviza::Putt putt(folder.Path());
    // No record set exists to hand back, so the failure itself is passed on.
    EXPECT_THROW(putt.LoadClub(), zeviza::Error);
    EXPECT_EQ(putt.LoadClubList(), nullptr);
    EXPECT_TRUE(prompts.Shown().empty());
    // And the connection is closed again for the next call.
    EXPECT_FALSE(putt.conDataBase()->IsOpen());
    EXPECT_EQ(putt.LoadGolferList()->RecordCount(), 0u);
}

TEST_F(FailureStylesTest, SyntaxAndRangeFailuresKeepTheirHistoricNumbers) {
    zeviza::Connection connection("Data Source=" + folder.Database().string() +
                                  ";Persist Security Info=False;");
    connection.Open();
    try {
        connection.Execute("SELEC nothing;");
        FAIL();
    } catch (const zeviza::Error& e) {
        EXPECT_EQ(e.Number(), zeviza::kSyntaxError);
    }
    try {
        connection.Execute("UPDATE tblGolfer SET Par3Avg = Par3Score / 0;");
        connection.Execute("INSERT INTO tblGolfer (GolferID, Par3Avg) VALUES ('D2', 1 / 0);");
        FAIL();
    } catch (const zeviza::Error& e) {
        EXPECT_EQ(e.Number(), zeviza::kValueOutOfRange);
    }
    EXPECT_EQ(connection.Errors().size(), 2u);
    // Every unit of work is flushed whole to the disk before it counts as done.
    EXPECT_EQ(connection.Execute("PRAGMA synchronous;")->Field(0).ToInt(), 2);
    connection.Close();
}

TEST(PuttConstruction, BuildsItsConnectionStringInOrderAndKeepsItsOwnCopy) {
    ProgramFolder folder;
    zeviza::Putt putt(folder.Path());
    EXPECT_EQ(putt.strConnect, "Provider=SQLite3;User ID=;Data Source=" + folder.Path().string() +
                                   "/green/parlow.plg;Persist Security Info=False;");
    putt.strConnect = "Data Source=/nowhere;";
    EXPECT_EQ(putt.LoadStates()->RecordCount(), 51u);
    EXPECT_TRUE(putt.conDataBase()->ClientSideCursor());
    EXPECT_FALSE(putt.conDataBase()->IsOpen());
}

TEST(PuttConstruction, WithoutAFolderTheBoxAndLogEntryAppearAndEveryCallFailsInItsStyle) {
    ScriptedPrompts prompts;
    zeviza::Putt putt{std::filesystem::path{}};
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().text.rfind("The database cannot be found!  If the database has been "
                                        "\r\nmoved, altered",
                                        0),
              0u);
    EXPECT_EQ(prompts.Last().title, "Zeviza");
    EXPECT_EQ(putt.conDataBase(), nullptr);
    EXPECT_EQ(putt.LoadStates(), nullptr);
    EXPECT_THROW(putt.LoadGolfer(), zeviza::Error);
    std::filesystem::remove(std::filesystem::current_path() / "error.log");
}

TEST(PuttConstruction, AFolderWithASemicolonStillFindsItsDatabase) {
    ProgramFolder folder;
    const auto odd = folder.Path() / "odd;name";
    std::filesystem::create_directories(odd / "green");
    std::filesystem::copy_file(folder.Database(), odd / "green" / "parlow.plg");
    zeviza::Putt putt(odd);
    EXPECT_EQ(putt.LoadCanada()->RecordCount(), 13u);
}

}  // namespace

namespace {

TEST_F(FailureStylesTest, AMovedReplacedOrRemovedFileIsNeverReachedThroughAnOldHandle) {
    zeviza::Putt putt(folder.Path());
    ASSERT_EQ(putt.LoadGolferList()->RecordCount(), 0u);

    // A copy with one golfer takes the database's place under its name.
    const auto copy = folder.Path() / "copy.plg";
    std::filesystem::copy_file(folder.Database(), copy);
    {
        SQLite::Database db(copy.string(), SQLite::OPEN_READWRITE);
        db.exec("INSERT INTO tblGolfer (GolferID, LName) VALUES ('D2', 'Lee');");
    }
    std::filesystem::rename(copy, folder.Database());
    EXPECT_EQ(putt.LoadGolferList()->RecordCount(), 1u);

    // Moved away: the next call finds nothing where the database was.
    std::filesystem::rename(folder.Database(), copy);
    EXPECT_EQ(putt.LoadGolferList(), nullptr);
    EXPECT_THROW(putt.LoadGolfer(), zeviza::Error);
    EXPECT_FALSE(std::filesystem::exists(folder.Database()));
    EXPECT_TRUE(prompts.Shown().empty());
}

}  // namespace
