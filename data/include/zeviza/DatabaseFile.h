#pragma once
// Looking after the database file itself, before any Putt call: is it sound,
// and is a copy of it kept? Used by the program at start-up; no window, no
// change to the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
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

// The note of the last integrity check the file passed: its size,
// modification time and identity then. A file that still matches it has not
// been written since (the program's own writes and any other program's
// change all of them), so the next start need not read every page again.
// Owner-only, beside the database.
std::filesystem::path CheckStampFile(const std::filesystem::path& programFolder);

struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// True when the database matches the note of its last passed check.
bool PassedCheckAsItIs(const std::filesystem::path& programFolder);
// Notes that the database, as `stamp` describes it, passed the check. A
// failure to note it only costs the next start a check.
void RecordPassedCheck(const std::filesystem::path& programFolder, const FileStamp& stamp);

// green/backup below the program folder.
std::filesystem::path BackupFolder(const std::filesystem::path& programFolder);

inline constexpr std::size_t kBackupsKept = 10;
// The backups together never take more than five times the database or
// 1 GB, whichever is larger: the newest ten of a large log would otherwise
// fill a small disk.
inline constexpr std::uintmax_t kBackupFolderFloorCap = std::uintmax_t{1} << 30;
std::uintmax_t BackupFolderCap(std::uintmax_t databaseSize);

// A backup is made only when the disk keeps at least twice the database's
// size free after it (and never less than 64 MB), so that the saves which
// follow still find room.
inline constexpr std::uintmax_t kFreeSpaceFloor = std::uintmax_t{64} << 20;
bool RoomForBackup(std::uintmax_t databaseSize, std::uintmax_t freeSpace);

// The program's own backup files, named "parlow-YYYY-MM-DD-HHMMSSZ.plg" after
// the UTC time they were made, so the newest has the greatest name. Files of
// that name which the program did not write are passed over.
std::optional<std::filesystem::path> NewestBackup(const std::filesystem::path& programFolder);

struct BackupOutcome {
    enum class Kind { Made, Unchanged, SkippedForSpace, Failed } kind = Kind::Unchanged;
    std::filesystem::path file;  // the backup made
    long number = 0;             // when it failed or was skipped
    std::string description;
};

struct BackupConditions {
    Clock::time_point now = Clock::now();
    // Bytes free where the backups go; the file system is asked when unset.
    std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)> freeSpace;
};

// Copies the database with SQLite's online backup into the backup folder
// (mode 0700, the copy 0600) unless it is unchanged since one of the
// backups or the disk has too little room, then removes the oldest of the
// program's backups beyond kBackupsKept or the size cap, never the copy
// just made. Never throws.
BackupOutcome BackUpWhenChanged(const std::filesystem::path& programFolder,
                                const BackupConditions& conditions = {});

}  // namespace zeviza
