#include <sqlite3.h>

#include <iterator>
#include <memory>
#include <string>

#include "src/SqliteHandle.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/Error.h"
#include "zeviza/SchemaVersion.h"

// A user's log outlives the program version that made it: an upgrade meets
// files of every older layout and brings them to the current one once, after
// a backup, so the program only ever works on the layout it knows.

namespace zeviza {

namespace {

constexpr int kBusyTimeoutMs = 2000;

struct MigrationStep {
    int to;                  // the version the step brings a file of version `to - 1` to
    const char* statements;  // run inside the migration's one transaction
};

// Every layout change, oldest first. To change the layout:
//   1. add the next step here, for example
//        {2, "ALTER TABLE tblGames ADD COLUMN ModDate TEXT;"},
//   2. make the same change in data/schema/schema.sql and raise its
//      PRAGMA user_version to the step's number,
//   3. raise kSchemaVersion (zeviza/SchemaVersion.h) to it too.
// SchemaMigrationTest then migrates a file made by 3.1.0 through every step
// and checks it ends with the layout of the shipped template.
constexpr MigrationStep kSteps[] = {
    // Files shipped by 3.1.0 before the layout carried a number: the same
    // layout, only stamped.
    {1, ""},
    // A corrected game notes when it was corrected; a game never corrected has none.
    {2, "ALTER TABLE tblGames ADD COLUMN ModDate TEXT;"},
};
static_assert(std::size(kSteps) == kSchemaVersion &&
                  kSteps[std::size(kSteps) - 1].to == kSchemaVersion,
              "one step for each layout version, the last one the current layout");

void Exec(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    const int code = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        const std::string description = message != nullptr ? message : sqlite3_errstr(code);
        sqlite3_free(message);
        throw Error(code, description);
    }
}

detail::SqliteHandle Open(const std::filesystem::path& file, int flags) {
    int code = SQLITE_OK;
    std::string message;
    auto db = detail::OpenHandle(file, flags, code, message);
    if (!db) {
        throw Error(code, file.string() + ": " + message);
    }
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
    return db;
}

void RunSteps(const std::filesystem::path& file, int from) {
    auto db = Open(file, SQLITE_OPEN_READWRITE);
    Exec(db.get(), "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;");
    Exec(db.get(), "BEGIN IMMEDIATE;");
    try {
        for (const MigrationStep& step : kSteps) {
            if (step.to > from) {
                Exec(db.get(), step.statements);
                Exec(db.get(), "PRAGMA user_version = " + std::to_string(step.to) + ";");
            }
        }
        Exec(db.get(), "COMMIT;");
    } catch (...) {
        sqlite3_exec(db.get(), "ROLLBACK;", nullptr, nullptr, nullptr);
        throw;
    }
}

MigrationOutcome Outcome(MigrationOutcome::Kind kind, int from) {
    MigrationOutcome outcome;
    outcome.kind = kind;
    outcome.from = from;
    return outcome;
}

MigrationOutcome Failed(int from, long number, std::string description) {
    MigrationOutcome outcome = Outcome(MigrationOutcome::Kind::Failed, from);
    outcome.number = number;
    outcome.description = std::move(description);
    return outcome;
}

}  // namespace

int SchemaVersionOf(const std::filesystem::path& file) {
    auto db = Open(file, SQLITE_OPEN_READONLY);
    sqlite3_stmt* raw = nullptr;
    int code = sqlite3_prepare_v2(db.get(), "PRAGMA user_version;", -1, &raw, nullptr);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    if (code == SQLITE_OK) {
        code = sqlite3_step(statement.get());
    }
    if (code != SQLITE_ROW) {
        throw Error(code, file.string() + ": " + sqlite3_errmsg(db.get()));
    }
    return sqlite3_column_int(statement.get(), 0);
}

MigrationOutcome MigrateDatabase(const std::filesystem::path& programFolder,
                                 const BackupConditions& conditions) {
    int from = kSchemaVersion;
    try {
        const auto file = DatabaseFile(programFolder);
        from = SchemaVersionOf(file);
        if (from == kSchemaVersion) {
            return Outcome(MigrationOutcome::Kind::Current, from);
        }
        if (from > kSchemaVersion) {
            return Outcome(MigrationOutcome::Kind::Newer, from);
        }
        const BackupOutcome backup = BackUpWhenChanged(programFolder, conditions);
        if (backup.kind != BackupOutcome::Kind::Made &&
            backup.kind != BackupOutcome::Kind::Unchanged) {
            return Failed(
                from, backup.number,
                "No backup could be made, so the file was left as it was: " + backup.description);
        }
        MigrationOutcome outcome = Outcome(MigrationOutcome::Kind::Migrated, from);
        // Unchanged: an earlier backup already holds exactly this file.
        outcome.backup = backup.file;
        RunSteps(file, from);
        return outcome;
    } catch (const Error& e) {
        return Failed(from, e.Number(), e.Description());
    } catch (const std::exception& e) {
        return Failed(from, SQLITE_ERROR, e.what());
    }
}

}  // namespace zeviza
