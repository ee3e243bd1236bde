#include "ui/ExportTarget.h"

#include <sys/stat.h>

#include "ui/ProgramFiles.h"
#include "zeviza/DatabaseFile.h"

namespace parlow {

namespace fs = std::filesystem;

namespace {

// A file's device and inode; a path that reaches nothing is no file at all
// and matches nothing.
struct Identity {
    bool found = false;
    dev_t device = 0;
    ino_t inode = 0;
    explicit operator bool() const { return found; }
    bool operator==(const Identity& other) const {
        return found && other.found && device == other.device && inode == other.inode;
    }
};

Identity IdentityOf(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {true, info.st_dev, info.st_ino};
}

// The same file, or for one that does not exist yet the same name in the
// same folder.
bool SameFile(const fs::path& target, const Identity& targetIdentity, const fs::path& own) {
    if (targetIdentity) {
        return IdentityOf(own) == targetIdentity;
    }
    if (target.filename() != own.filename()) {
        return false;
    }
    const auto folder = IdentityOf(target.parent_path().empty() ? "." : target.parent_path());
    return IdentityOf(own.parent_path()) == folder;
}

bool InBackupFolder(const fs::path& target, const Identity& targetIdentity,
                    const fs::path& programFolder) {
    std::error_code ec;
    if (targetIdentity) {  // a hard link to a backup, kept elsewhere
        for (fs::directory_iterator it(zeviza::BackupFolder(programFolder), ec), end;
             !ec && it != end; it.increment(ec)) {
            if (IdentityOf(it->path()) == targetIdentity) {
                return true;
            }
        }
    }
    const auto folder = IdentityOf(target.parent_path().empty() ? "." : target.parent_path());
    const auto backups = IdentityOf(zeviza::BackupFolder(programFolder));
    if (folder == backups) {
        return true;
    }
    fs::path real = fs::weakly_canonical(target, ec);
    return !ec && IdentityOf(real.parent_path()) == backups;
}

}  // namespace

std::string RefusedExportTarget(const fs::path& target, const fs::path& programFolder) {
    const std::string name = target.string();
    if (target.empty()) {
        return "no file named to write to";
    }
    struct stat link {};
    struct stat info {};
    const bool named = ::lstat(target.c_str(), &link) == 0;
    const bool reached = ::stat(target.c_str(), &info) == 0;
    if (named && !reached) {
        return name + " is a link to nothing; it is not written to";
    }
    if (reached && !S_ISREG(info.st_mode)) {
        return name + " exists and is not a regular file; it is not written to";
    }
    const Identity identity{reached, info.st_dev, info.st_ino};
    for (const fs::path& own : ProgramOwnFiles(programFolder)) {
        if (SameFile(target, identity, own)) {
            return name + " is the program's own file " + own.string() + "; it is not written to";
        }
    }
    if (InBackupFolder(target, identity, programFolder)) {
        return name + " is in the program's backup folder " +
               zeviza::BackupFolder(programFolder).string() + "; nothing is written there";
    }
    return {};
}

}  // namespace parlow
