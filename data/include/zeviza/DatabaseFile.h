#pragma once
// Looking after the database file itself, before any Putt call: is it sound,
// and is a copy of it kept? Used by the program at start-up; no window, no
// change to the file.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "zeviza/ErrorLog.h"

namespace zeviza {

// green/parlow.plg below the program folder.
std::filesystem::path DatabaseFile(const std::filesystem::path& programFolder);

struct IntegrityReport {
    bool damaged = false;
    long number = 0;          // SQLite's result code, or SQLITE_CORRUPT for a failed check
    std::string description;  // what was found, for the error log
};

// SQLite's quick check of every page, and the program's own tables present.
// Random bytes, a truncated file and an empty one are damaged; a file that
// merely cannot be read now (locked, no permission) is not, the calls that
// use it report that themselves. Reads only.
IntegrityReport CheckDatabaseFile(const std::filesystem::path& file);

// green/backup below the program folder.
std::filesystem::path BackupFolder(const std::filesystem::path& programFolder);

inline constexpr std::size_t kBackupsKept = 10;

// The backup files, named "parlow-YYYY-MM-DD-HHMMSS.plg" after the local time
// they were made, so the newest has the greatest name.
std::optional<std::filesystem::path> NewestBackup(const std::filesystem::path& programFolder);

struct BackupOutcome {
    enum class Kind { Made, Unchanged, Failed } kind = Kind::Unchanged;
    std::filesystem::path file;  // the backup made
    long number = 0;             // when it failed
    std::string description;
};

// Copies the database with SQLite's online backup into the backup folder
// when it was written after the newest backup was made (or there is none),
// then keeps only the newest kBackupsKept backups. Never throws.
BackupOutcome BackUpWhenChanged(const std::filesystem::path& programFolder,
                                Clock::time_point now = Clock::now());

}  // namespace zeviza
