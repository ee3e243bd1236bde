#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <fstream>
#include <regex>
#include <string>
#include <system_error>
#include <vector>

#include "src/OwnerOnly.h"
#include "src/SqliteHandle.h"
#include "zeviza/DatabaseFile.h"

// Automatic backups: a copy of the database in green/backup whenever it has
// changed since the last copy. SQLite's online backup copies a consistent
// state even should another program be writing. Each copy carries the
// program's mark in its header, so a file of the same name that someone else
// put there is never counted, trusted or removed.

namespace zeviza {

namespace {

namespace fs = std::filesystem;

constexpr int kBusyTimeoutMs = 2000;
// "Parl" in the header's application id field.
constexpr std::uint32_t kBackupMark = 0x5061726c;
constexpr std::size_t kHeaderBytes = 72;

bool IsBackupName(const std::string& name) {
    static const std::regex pattern(R"(parlow-\d{4}-\d{2}-\d{2}-\d{6}Z(-\d+)?\.plg)");
    return std::regex_match(name, pattern);
}

bool CarriesTheMark(const fs::path& file) {
    std::array<unsigned char, kHeaderBytes> header{};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) {
        return false;
    }
    static const char kMagic[] = "SQLite format 3";
    const std::uint32_t id = (std::uint32_t{header[68]} << 24) | (std::uint32_t{header[69]} << 16) |
                             (std::uint32_t{header[70]} << 8) | std::uint32_t{header[71]};
    return std::equal(kMagic, kMagic + sizeof kMagic, header.begin()) && id == kBackupMark;
}

struct Backup {
    fs::path file;
    std::uintmax_t size = 0;
    fs::file_time_type written;
};

// The program's own backups, oldest name first. "parlow-...Z" sorts before
// "parlow-...Z-1", the second copy made within the same second.
std::vector<Backup> Backups(const fs::path& programFolder) {
    std::vector<Backup> found;
    std::error_code ec;
    for (fs::directory_iterator it(BackupFolder(programFolder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code entryError;
        if (it->is_regular_file(entryError) && !it->is_symlink(entryError) &&
            IsBackupName(it->path().filename().string()) && CarriesTheMark(it->path())) {
            found.push_back(
                {it->path(), it->file_size(entryError), it->last_write_time(entryError)});
        }
    }
    std::sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) {
        return a.file.stem().string() < b.file.stem().string();
    });
    return found;
}

// "parlow-2024-05-18-093000Z.plg" for 2024-05-18 09:30:00 UTC: a clock or
// time zone that moves back cannot give a new copy an older name than the
// local time would.
std::string BackupName(Clock::time_point when, int attempt) {
    const std::time_t t = Clock::to_time_t(when);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &utc);
    return "parlow-" + std::string(stamp) + "Z" +
           (attempt == 0 ? "" : "-" + std::to_string(attempt)) + ".plg";
}

// Each backup takes the database's modification time, so "unchanged" is
// equality with one of them, whichever way the clock has moved since.
bool ChangedSinceEveryBackup(const fs::path& database, const std::vector<Backup>& backups) {
    std::error_code ec;
    const auto written = fs::last_write_time(database, ec);
    const auto size = fs::file_size(database, ec);
    if (ec) {
        return true;
    }
    return std::none_of(backups.begin(), backups.end(),
                        [&](const Backup& b) { return b.written == written && b.size == size; });
}

BackupOutcome Outcome(BackupOutcome::Kind kind, long number, std::string description) {
    BackupOutcome outcome;
    outcome.kind = kind;
    outcome.number = number;
    outcome.description = std::move(description);
    return outcome;
}

BackupOutcome Failed(long number, std::string description) {
    return Outcome(BackupOutcome::Kind::Failed, number, std::move(description));
}

std::optional<std::uintmax_t> FreeSpaceOf(const fs::path& folder) {
    struct statvfs space {};
    if (::statvfs(folder.c_str(), &space) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uintmax_t>(space.f_bavail) * space.f_frsize;
}

// Backs the source up into the file SQLite already opened and marks it.
int CopyPages(sqlite3* source, sqlite3* copy, std::string& message) {
    sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
    if (backup == nullptr) {
        message = sqlite3_errmsg(copy);
        return sqlite3_errcode(copy);
    }
    // A source busy with another program's write is no copy either.
    const int stepped = sqlite3_backup_step(backup, -1);
    int code = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE && code == SQLITE_OK) {
        code = stepped;
    }
    if (code == SQLITE_OK) {
        const std::string mark = "PRAGMA application_id = " + std::to_string(kBackupMark) + ";";
        code = sqlite3_exec(copy, mark.c_str(), nullptr, nullptr, nullptr);
    }
    if (code != SQLITE_OK) {
        message = sqlite3_errstr(code);
    }
    return code;
}

// Puts the finished copy under its name without replacing any file there.
bool NameWithoutReplacing(const fs::path& partial, const fs::path& folder, Clock::time_point now,
                          fs::path& named) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = folder / BackupName(now, attempt);
        if (::renameat2(AT_FDCWD, partial.c_str(), AT_FDCWD, named.c_str(), RENAME_NOREPLACE) ==
            0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// The whole database into the backup folder, through a file of another name
// so that a copy cut short never looks like a backup.
BackupOutcome Copy(const fs::path& database, const fs::path& folder, Clock::time_point now) {
    const fs::path partial = folder / ".backup-in-progress";
    std::error_code ec;
    const auto written = fs::last_write_time(database, ec);
    int code = SQLITE_OK;
    std::string message;
    {
        auto source = detail::OpenHandle(database, SQLITE_OPEN_READWRITE, code, message);
        if (!source) {
            return Failed(code, message);
        }
        sqlite3_busy_timeout(source.get(), kBusyTimeoutMs);
        fs::remove(partial, ec);
        detail::TouchOwnerOnly(partial, ec);
        auto copy = detail::OpenHandle(partial, SQLITE_OPEN_READWRITE, code, message);
        if (!copy) {
            fs::remove(partial, ec);
            return Failed(code, message);
        }
        code = CopyPages(source.get(), copy.get(), message);
    }
    fs::path named;
    if (code == SQLITE_OK) {
        fs::last_write_time(partial, written, ec);
        if (!NameWithoutReplacing(partial, folder, now, named)) {
            code = SQLITE_IOERR;
            message = "The backup could not be named " + named.string();
        }
    }
    if (code != SQLITE_OK) {
        fs::remove(partial, ec);
        return Failed(code, message);
    }
    BackupOutcome outcome;
    outcome.kind = BackupOutcome::Kind::Made;
    outcome.file = named;
    return outcome;
}

// Oldest names go first while more than kBackupsKept copies remain or they
// take more room than the cap; the copy just made always stays, whatever its
// name says about the clock.
void KeepNewest(const fs::path& programFolder, const fs::path& justMade,
                std::uintmax_t databaseSize) {
    auto backups = Backups(programFolder);
    std::uintmax_t total = 0;
    for (const Backup& backup : backups) {
        total += backup.size;
    }
    const std::uintmax_t cap = BackupFolderCap(databaseSize);
    std::size_t count = backups.size();
    for (const Backup& backup : backups) {
        if (count <= kBackupsKept && total <= cap) {
            break;
        }
        if (backup.file == justMade) {
            continue;
        }
        std::error_code ec;
        if (fs::remove(backup.file, ec)) {
            --count;
            total -= backup.size;
        }
    }
}

}  // namespace

fs::path BackupFolder(const fs::path& programFolder) {
    return programFolder / "green" / "backup";
}

std::uintmax_t BackupFolderCap(std::uintmax_t databaseSize) {
    return std::max<std::uintmax_t>(5 * databaseSize, kBackupFolderFloorCap);
}

bool RoomForBackup(std::uintmax_t databaseSize, std::uintmax_t freeSpace) {
    const std::uintmax_t mustRemain = std::max<std::uintmax_t>(2 * databaseSize, kFreeSpaceFloor);
    return freeSpace >= databaseSize && freeSpace - databaseSize >= mustRemain;
}

std::optional<fs::path> NewestBackup(const fs::path& programFolder) {
    auto backups = Backups(programFolder);
    if (backups.empty()) {
        return std::nullopt;
    }
    return backups.back().file;
}

BackupOutcome BackUpWhenChanged(const fs::path& programFolder, const BackupConditions& conditions) {
    try {
        const fs::path database = DatabaseFile(programFolder);
        if (!ChangedSinceEveryBackup(database, Backups(programFolder))) {
            return {};
        }
        const fs::path folder = BackupFolder(programFolder);
        std::error_code ec;
        detail::MakeOwnerOnlyFolder(folder, ec);
        if (ec) {
            return Failed(SQLITE_CANTOPEN, "The backup folder " + folder.string() +
                                               " could not be made: " + ec.message());
        }
        const std::uintmax_t size = fs::file_size(database);
        const auto freeSpace =
            conditions.freeSpace ? conditions.freeSpace(folder) : FreeSpaceOf(folder);
        if (freeSpace && !RoomForBackup(size, *freeSpace)) {
            return Outcome(BackupOutcome::Kind::SkippedForSpace, SQLITE_FULL,
                           "No backup was made: " + std::to_string(*freeSpace / (1024 * 1024)) +
                               " MB are free on the disk of " + folder.string() +
                               ", and a copy of the " + std::to_string(size / (1024 * 1024)) +
                               " MB database would leave too little for the log itself.");
        }
        BackupOutcome outcome = Copy(database, folder, conditions.now);
        if (outcome.kind == BackupOutcome::Kind::Made) {
            KeepNewest(programFolder, outcome.file, size);
        }
        return outcome;
    } catch (const std::exception& e) {
        return Failed(SQLITE_ERROR, e.what());
    }
}

}  // namespace zeviza
