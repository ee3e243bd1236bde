#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/Putt.h"
#include "zeviza/SchemaVersion.h"

// A log outlives the version that made it: every older layout opens through
// the migration and ends with the layout of the template this build ships.

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;
using testing_support::ReadFile;
using Kind = zeviza::MigrationOutcome::Kind;

const fs::path kFixtures = PARLOW_TEST_FIXTURES;

// The log as 3.1.0 made it, with records, stamped with `version`.
void PutLogOf310(const ProgramFolder& folder, int version) {
    fs::remove(folder.Database());
    SQLite::Database db(folder.Database().string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(ReadFile(kFixtures / "parlow-3.1.0.sql"));
    db.exec("PRAGMA user_version = " + std::to_string(version) + ";");
}

void SetVersion(const fs::path& file, int version) {
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
    db.exec("PRAGMA user_version = " + std::to_string(version) + ";");
}

// Every table's columns (name, type, not null, default, key) and every
// index's columns, in name order: what the program's statements depend on,
// whatever order ALTER TABLE left the columns in.
std::vector<std::string> LayoutOf(const fs::path& file) {
    SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
    std::vector<std::string> layout;
    SQLite::Statement tables(db,
                             "SELECT name, type FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' "
                             "ORDER BY name");
    while (tables.executeStep()) {
        const std::string name = tables.getColumn(0).getString();
        const bool isTable = tables.getColumn(1).getString() == "table";
        SQLite::Statement parts(
            db, isTable
                    ? "SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?) "
                      "ORDER BY name"
                    : "SELECT name, '', 0, '', seqno FROM pragma_index_info(?) ORDER BY seqno");
        parts.bind(1, name);
        while (parts.executeStep()) {
            std::string row = name;
            for (int i = 0; i < 5; ++i) {
                row += "|" + parts.getColumn(i).getString();
            }
            layout.push_back(row);
        }
    }
    return layout;
}

TEST(SchemaMigrationTest, TheShippedTemplateHasTheCurrentLayoutAndIsLeftAsItIs) {
    ProgramFolder folder;
    EXPECT_EQ(zeviza::SchemaVersionOf(folder.Database()), zeviza::kSchemaVersion);
    const std::string before = ReadFile(folder.Database());
    EXPECT_EQ(zeviza::MigrateDatabase(folder.Path()).kind, Kind::Current);
    EXPECT_TRUE(ReadFile(folder.Database()) == before) << "the file changed";
    EXPECT_FALSE(fs::exists(zeviza::BackupFolder(folder.Path())));
}

TEST(SchemaMigrationTest, ALogMadeBy310OpensWithItsRecordsInTheCurrentLayout) {
    ProgramFolder shipped;
    const auto currentLayout = LayoutOf(shipped.Database());
    // 0: the files 3.1.0 wrote before the layout carried its number.
    for (const int version : {0, 1}) {
        SCOPED_TRACE("made with layout version " + std::to_string(version));
        ProgramFolder folder;
        PutLogOf310(folder, version);
        const zeviza::MigrationOutcome outcome = zeviza::MigrateDatabase(folder.Path());
        const bool older = version < zeviza::kSchemaVersion;
        EXPECT_EQ(outcome.kind, older ? Kind::Migrated : Kind::Current) << outcome.description;
        EXPECT_EQ(outcome.from, version);
        EXPECT_EQ(zeviza::SchemaVersionOf(folder.Database()), zeviza::kSchemaVersion);
        EXPECT_EQ(LayoutOf(folder.Database()), currentLayout);
        if (older) {
            // The backup is the file as it was before: its layout version and records.
            ASSERT_TRUE(fs::exists(outcome.backup));
            EXPECT_EQ(zeviza::NewestBackup(folder.Path()), outcome.backup);
            EXPECT_EQ(zeviza::SchemaVersionOf(outcome.backup), version);
            SQLite::Database backup(outcome.backup.string(), SQLite::OPEN_READONLY);
            EXPECT_EQ(backup.execAndGet("SELECT COUNT(*) FROM tblGames").getInt(), 1);
        }

        testing_support::ScriptedPrompts prompts;
        zeviza::Putt putt(folder.Path());
        auto golfers = putt.LoadGolferList();
        ASSERT_FALSE(golfers->IsEmpty());
        EXPECT_EQ(golfers->Field("FullName").ToText(), "Ann O'Neil");
        auto games = putt.LoadDeleteGame();
        ASSERT_EQ(games->RecordCount(), 1u);
        EXPECT_EQ(games->Field("GameID").ToText(), "G1");
        EXPECT_TRUE(prompts.Shown().empty());
        // Migrated once: the next start finds nothing to do.
        EXPECT_EQ(zeviza::MigrateDatabase(folder.Path()).kind, Kind::Current);
    }
}

TEST(SchemaMigrationTest, NewerOrUnbackedUpFilesAreLeftExactlyAsTheyWere) {
    {
        SCOPED_TRACE("made by a newer version");
        ProgramFolder folder;
        SetVersion(folder.Database(), zeviza::kSchemaVersion + 1);
        const std::string before = ReadFile(folder.Database());
        const auto outcome = zeviza::MigrateDatabase(folder.Path());
        EXPECT_EQ(outcome.kind, Kind::Newer);
        EXPECT_EQ(outcome.from, zeviza::kSchemaVersion + 1);
        EXPECT_TRUE(ReadFile(folder.Database()) == before) << "the file changed";
        EXPECT_FALSE(fs::exists(zeviza::BackupFolder(folder.Path())));
    }
    {
        SCOPED_TRACE("no backup can be made");
        ProgramFolder folder;
        PutLogOf310(folder, 0);
        std::ofstream(zeviza::BackupFolder(folder.Path())) << "a file where the folder goes";
        const std::string before = ReadFile(folder.Database());
        const auto outcome = zeviza::MigrateDatabase(folder.Path());
        EXPECT_EQ(outcome.kind, Kind::Failed);
        EXPECT_NE(outcome.description.find("No backup could be made"), std::string::npos)
            << outcome.description;
        EXPECT_TRUE(ReadFile(folder.Database()) == before) << "the file changed";
    }
    {
        SCOPED_TRACE("no database");
        ProgramFolder folder;
        fs::remove(folder.Database());
        EXPECT_EQ(zeviza::MigrateDatabase(folder.Path()).kind, Kind::Failed);
        EXPECT_FALSE(fs::exists(folder.Database()));
    }
}

}  // namespace
