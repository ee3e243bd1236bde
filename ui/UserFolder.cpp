#include "ui/UserFolder.h"

#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "zeviza/DatabaseFile.h"

namespace parlow {

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

// The desktop's rule: an unset, empty or relative $XDG_DATA_HOME means ~/.local/share.
fs::path DataHome() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr) {
        if (fs::path path(data); path.is_absolute()) {
            return path;
        }
    }
    const fs::path home = HomeFolder();
    return home.empty() ? fs::path() : home / ".local" / "share";
}

void CopyTemplates(const fs::path& from, const fs::path& to, std::error_code& ec) {
    fs::create_directory(to, ec);
    for (const char* entry : kTemplateEntries) {
        if (!ec && fs::exists(from / entry)) {
            fs::copy(from / entry, to / entry, fs::copy_options::recursive, ec);
        }
    }
}

void SetMode(const fs::path& path, fs::perms mode, std::error_code& ec) {
    fs::permissions(path, mode, fs::perm_options::replace, ec);
}

std::string Failure(const fs::path& folder, const std::error_code& ec) {
    return folder.string() + ": " + ec.message();
}

}  // namespace

std::string MakeOwnerOnly(const fs::path& folder) {
    const auto folderMode = fs::perms::owner_all;
    const auto fileMode = fs::perms::owner_read | fs::perms::owner_write;
    std::error_code ec;
    SetMode(folder, folderMode, ec);
    if (ec) {
        return Failure(folder, ec);
    }
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code entryError;
        const auto type = it->symlink_status(entryError).type();
        if (type == fs::file_type::directory) {
            SetMode(it->path(), folderMode, entryError);
        } else if (type == fs::file_type::regular) {
            SetMode(it->path(), fileMode, entryError);
        }
        if (entryError) {
            return Failure(it->path(), entryError);
        }
    }
    return ec ? Failure(folder, ec) : std::string();
}

bool IsInstalledCopy(const fs::path& executableFolder) {
    std::error_code ec;
    return fs::is_regular_file(executableFolder / kInstalledMarker, ec);
}

fs::path UserProgramFolder() {
    const fs::path data = DataHome();
    return data.empty() ? fs::path() : data / "parlow";
}

fs::path ProgramFolderFor(const fs::path& executableFolder) {
    return IsInstalledCopy(executableFolder) ? UserProgramFolder() : executableFolder;
}

std::string MakeUserFolder(const fs::path& installedFolder, const fs::path& folder) {
    if (!folder.is_absolute()) {
        return "No home folder is known for this user, so the log has nowhere to go.";
    }
    std::error_code ec;
    if (fs::is_directory(folder, ec)) {
        return {};
    }
    if (fs::exists(folder, ec)) {
        return folder.string() + ": exists and is not a folder";
    }
    fs::create_directories(folder.parent_path(), ec);
    if (ec) {
        return Failure(folder.parent_path(), ec);
    }
    fs::path making = folder;
    making += ".new-" + std::to_string(::getpid());
    fs::remove_all(making, ec);
    CopyTemplates(installedFolder, making, ec);
    // Before it gets its name: no other account ever sees it open.
    const std::string closing = ec ? std::string() : MakeOwnerOnly(making);
    if (!ec && closing.empty()) {
        fs::rename(making, folder, ec);
    }
    std::error_code ignored;
    if (ec) {
        fs::remove_all(making, ignored);
        // Another copy starting at the same moment may have made it first.
        return fs::is_directory(folder, ignored) ? std::string() : Failure(folder, ec);
    }
    if (!closing.empty()) {
        fs::remove_all(making, ignored);
        return closing;
    }
    return {};
}

namespace {

std::vector<long> VersionParts(const std::string& version) {
    std::vector<long> parts;
    std::istringstream in(version);
    std::string part;
    while (std::getline(in, part, '.')) {
        char* end = nullptr;
        const long value = std::strtol(part.c_str(), &end, 10);
        parts.push_back(end != part.c_str() && value > 0 ? value : 0);
    }
    return parts;
}

std::string CopiedVersion(const fs::path& folder) {
    std::ifstream in(folder / kCopiedVersionFile);
    std::string version;
    std::getline(in, version);
    return version;
}

// Copies one entry beside its old copy and swaps the two, so the user's
// folder always holds a whole entry, old or new. Returns why it failed.
std::string ReplaceEntry(const fs::path& from, const fs::path& entry) {
    const std::string suffix = "-" + std::to_string(::getpid());
    fs::path fresh = entry;
    fresh += ".new" + suffix;
    fs::path old = entry;
    old += ".old" + suffix;
    std::error_code ec;
    std::error_code ignored;
    fs::remove_all(fresh, ignored);
    fs::copy(from, fresh, fs::copy_options::recursive, ec);
    std::string failure = ec ? Failure(entry, ec) : MakeOwnerOnly(fresh);
    const bool hadOld = failure.empty() && fs::exists(entry, ignored);
    if (hadOld) {
        fs::rename(entry, old, ec);
    }
    if (failure.empty() && !ec) {
        fs::rename(fresh, entry, ec);
        if (ec && hadOld) {
            fs::rename(old, entry, ignored);
        }
    }
    if (failure.empty() && ec) {
        failure = Failure(entry, ec);
    }
    fs::remove_all(fresh, ignored);
    fs::remove_all(old, ignored);
    return failure;
}

}  // namespace

fs::path InstalledDataFolder(const fs::path& executableFolder) {
    return (executableFolder / PARLOW_DATA_FROM_PROGRAM).lexically_normal();
}

int CompareVersions(const std::string& a, const std::string& b) {
    std::vector<long> left = VersionParts(a);
    std::vector<long> right = VersionParts(b);
    left.resize(std::max(left.size(), right.size()), 0);
    right.resize(left.size(), 0);
    return left < right ? -1 : (left == right ? 0 : 1);
}

std::string NoteCopiedVersion(const fs::path& folder, const std::string& version) {
    fs::path making = folder / kCopiedVersionFile;
    making += ".new";
    {
        std::ofstream out(making, std::ios::trunc);
        out << version << '\n';
        if (!out.flush()) {
            return making.string() + ": cannot be written";
        }
    }
    std::error_code ec;
    fs::rename(making, folder / kCopiedVersionFile, ec);
    return ec ? Failure(folder / kCopiedVersionFile, ec) : std::string();
}

std::string RefreshUserCopies(const fs::path& installedFolder, const fs::path& folder,
                              const std::string& version) {
    const std::string copied = CopiedVersion(folder);
    if (!copied.empty() && CompareVersions(copied, version) >= 0) {
        return {};
    }
    std::string failures;
    for (const char* entry : kRefreshedEntries) {
        std::error_code ec;
        if (!fs::is_directory(installedFolder / entry, ec)) {
            continue;
        }
        if (const std::string failure = ReplaceEntry(installedFolder / entry, folder / entry);
            !failure.empty()) {
            failures += (failures.empty() ? "" : "; ") + failure;
        }
    }
    // Noted only when every entry is new, so a failed refresh is tried again.
    return failures.empty() ? NoteCopiedVersion(folder, version) : failures;
}

std::string MakeFreshDatabase(const fs::path& installedFolder, const fs::path& folder) {
    const fs::path database = zeviza::DatabaseFile(folder);
    fs::path making = database;
    making += ".new-" + std::to_string(::getpid());
    std::error_code ec;
    fs::create_directories(database.parent_path(), ec);
    if (!ec) {
        SetMode(database.parent_path(), fs::perms::owner_all, ec);
    }
    if (!ec) {
        fs::copy_file(zeviza::DatabaseFile(installedFolder), making,
                      fs::copy_options::overwrite_existing, ec);
    }
    if (!ec) {
        SetMode(making, fs::perms::owner_read | fs::perms::owner_write, ec);
    }
    if (!ec &&
        ::renameat2(AT_FDCWD, making.c_str(), AT_FDCWD, database.c_str(), RENAME_NOREPLACE) != 0) {
        ec = std::error_code(errno, std::generic_category());
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(making, ignored);
        return Failure(database, ec);
    }
    return {};
}

}  // namespace parlow
