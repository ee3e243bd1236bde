#pragma once
// The layout version of the database file, kept in the file itself (SQLite's
// PRAGMA user_version), and the one place where a file of an older layout is
// brought up to the layout this library reads and writes. Used by the
// program at start-up, after the integrity check; no window.
#include <filesystem>
#include <string>

#include "zeviza/DatabaseFile.h"

namespace zeviza {

// The layout of data/schema/schema.sql. Files the program shipped before it
// carried a version read 0 and have the layout of version 1.
inline constexpr int kSchemaVersion = 2;

// The file's layout version; throws Error when it cannot be read.
int SchemaVersionOf(const std::filesystem::path& file);

struct MigrationOutcome {
    enum class Kind {
        Current,   // already kSchemaVersion: nothing done
        Migrated,  // brought from `from` to kSchemaVersion after the backup `backup`
                   // (empty when an earlier backup already held the file)
        Newer,     // made by a newer program: left as it is
        Failed     // not migrated and unchanged: `number` and `description` say why
    } kind = Kind::Current;
    int from = kSchemaVersion;
    std::filesystem::path backup;
    long number = 0;
    std::string description;
};

// Brings the database below the program folder up to kSchemaVersion: first a
// backup in green/backup (none is needed when one is already a copy of the
// file), then every step from the file's version on and the new
// version number, all in one transaction. A file the backup (failed, or
// skipped for want of room) or any step fails on is left exactly as it was.
// Never throws.
MigrationOutcome MigrateDatabase(const std::filesystem::path& programFolder,
                                 const BackupConditions& conditions = {});

}  // namespace zeviza
