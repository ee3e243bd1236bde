#include <sqlite3.h>

#include <algorithm>
#include <regex>
#include <string>
#include <system_error>
#include <vector>

#include "src/SqliteHandle.h"
#include "zeviza/DatabaseFile.h"

// Automatic backups: a copy of the database in green/backup whenever it has
// changed since the last copy, the newest ten kept. SQLite's online backup
// copies a consistent state even should another program be writing.

namespace zeviza {

namespace {

namespace fs = std::filesystem;

constexpr int kBusyTimeoutMs = 2000;

bool IsBackupName(const std::string& name) {
    static const std::regex pattern(R"(parlow-\d{4}-\d{2}-\d{2}-\d{6}\.plg)");
    return std::regex_match(name, pattern);
}

// Oldest first.
std::vector<fs::path> Backups(const fs::path& programFolder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(BackupFolder(programFolder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_regular_file(ec) && IsBackupName(it->path().filename().string())) {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// "parlow-2024-05-18-093000.plg" for 2024-05-18 09:30:00 local time.
std::string BackupName(Clock::time_point when) {
    std::string name;
    for (const char c : DateTimeText(when)) {
        if (c != ':') {
            name += c == ' ' ? '-' : c;
        }
    }
    return "parlow-" + name + ".plg";
}

bool ChangedSince(const fs::path& database, const std::optional<fs::path>& newest) {
    if (!newest) {
        return true;
    }
    std::error_code writtenError;
    std::error_code copiedError;
    const auto written = fs::last_write_time(database, writtenError);
    const auto copied = fs::last_write_time(*newest, copiedError);
    // Equal times cannot tell which came first: copy once more rather than miss a change.
    return writtenError || copiedError || written >= copied;
}

BackupOutcome Failed(long number, std::string description) {
    BackupOutcome outcome;
    outcome.kind = BackupOutcome::Kind::Failed;
    outcome.number = number;
    outcome.description = std::move(description);
    return outcome;
}

// The whole database into `target`, through a file of another name so that a
// copy cut short never looks like a backup.
BackupOutcome Copy(const fs::path& database, const fs::path& target) {
    const fs::path partial = target.parent_path() / ".backup-in-progress";
    int code = SQLITE_OK;
    std::string message;
    {
        auto source = detail::OpenHandle(database, SQLITE_OPEN_READWRITE, code, message);
        if (!source) {
            return Failed(code, message);
        }
        sqlite3_busy_timeout(source.get(), kBusyTimeoutMs);
        std::error_code ec;
        fs::remove(partial, ec);
        auto copy =
            detail::OpenHandle(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, code, message);
        if (!copy) {
            return Failed(code, message);
        }
        sqlite3_backup* backup = sqlite3_backup_init(copy.get(), "main", source.get(), "main");
        if (backup == nullptr) {
            return Failed(sqlite3_errcode(copy.get()), sqlite3_errmsg(copy.get()));
        }
        // A source busy with another program's write is no copy either.
        const int stepped = sqlite3_backup_step(backup, -1);
        code = sqlite3_backup_finish(backup);
        if (stepped != SQLITE_DONE && code == SQLITE_OK) {
            code = stepped;
        }
        if (code != SQLITE_OK) {
            message = sqlite3_errstr(code);
        }
    }
    std::error_code ec;
    if (code == SQLITE_OK) {
        fs::rename(partial, target, ec);
    }
    if (code != SQLITE_OK || ec) {
        fs::remove(partial, ec);
        return Failed(
            code != SQLITE_OK ? code : SQLITE_IOERR,
            code != SQLITE_OK ? message : "The backup could not be named " + target.string());
    }
    BackupOutcome outcome;
    outcome.kind = BackupOutcome::Kind::Made;
    outcome.file = target;
    return outcome;
}

void KeepNewest(const fs::path& programFolder) {
    auto backups = Backups(programFolder);
    std::error_code ec;
    for (std::size_t i = 0; i + kBackupsKept < backups.size(); ++i) {
        fs::remove(backups[i], ec);
    }
}

}  // namespace

fs::path BackupFolder(const fs::path& programFolder) {
    return programFolder / "green" / "backup";
}

std::optional<fs::path> NewestBackup(const fs::path& programFolder) {
    auto backups = Backups(programFolder);
    if (backups.empty()) {
        return std::nullopt;
    }
    return backups.back();
}

BackupOutcome BackUpWhenChanged(const fs::path& programFolder, Clock::time_point now) {
    try {
        const fs::path database = DatabaseFile(programFolder);
        if (!ChangedSince(database, NewestBackup(programFolder))) {
            return {};
        }
        std::error_code ec;
        fs::create_directories(BackupFolder(programFolder), ec);
        if (ec) {
            return Failed(SQLITE_CANTOPEN, "The backup folder " +
                                               BackupFolder(programFolder).string() +
                                               " could not be made: " + ec.message());
        }
        BackupOutcome outcome = Copy(database, BackupFolder(programFolder) / BackupName(now));
        if (outcome.kind == BackupOutcome::Kind::Made) {
            KeepNewest(programFolder);
        }
        return outcome;
    } catch (const std::exception& e) {
        return Failed(SQLITE_ERROR, e.what());
    }
}

}  // namespace zeviza
