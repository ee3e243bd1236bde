#include <SQLiteCpp/SQLiteCpp.h>

#include <QMainWindow>
#include <filesystem>

#include "tests/app/startup/StartupFixture.h"
#include "tests/support/ProgramFolder.h"
#include "ui/Platform.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/SchemaVersion.h"

// Start-up brings a log of an older layout up to date after its backup, and
// stops at one of a newer layout, telling the user, with the file untouched.

namespace {

using testing_support::ReadFile;

class DatabaseUpgradeTest : public startup_test::StartupFixture {
  protected:
    void SetVersion(int version) {
        folder.Exec("PRAGMA user_version = " + std::to_string(version) + ";");
    }
};

TEST_F(DatabaseUpgradeTest, AnOlderLogIsBroughtUpToDateAndTheProgramStarts) {
    // The layout 3.1.0 shipped: no modification date for games yet.
    folder.Exec("ALTER TABLE tblGames DROP COLUMN ModDate;");
    SetVersion(0);
    auto started = Start();
    ASSERT_TRUE(started.run);
    EXPECT_TRUE(started.mainWindow->isVisible());
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_EQ(shutDowns, 0);
    EXPECT_EQ(zeviza::SchemaVersionOf(folder.Database()), zeviza::kSchemaVersion);
    const auto backup = zeviza::NewestBackup(folder.Path());
    ASSERT_TRUE(backup.has_value());
    EXPECT_EQ(zeviza::SchemaVersionOf(*backup), 0);
    delete started.mainWindow;
}

TEST_F(DatabaseUpgradeTest, ALogOfANewerVersionStopsTheStartAndIsLeftAsItIs) {
    SetVersion(zeviza::kSchemaVersion + 1);
    const std::string before = ReadFile(folder.Database());
    auto started = Start();
    EXPECT_TRUE(Refused(started));
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().title, " ERROR - DATABASE TOO NEW");
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
    EXPECT_NE(prompts.Last().text.find(folder.Database().string() +
                                       " was made by a newer version of The Parlow's Log"),
              std::string::npos)
        << prompts.Last().text;
    EXPECT_NE(folder.ReadErrorLog().find("Database Upgrade"), std::string::npos);
    EXPECT_EQ(shutDowns, 1);
    EXPECT_TRUE(ReadFile(folder.Database()) == before) << "the log changed";
    delete started.mainWindow;
}

}  // namespace
