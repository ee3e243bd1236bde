#include "src/HandleCache.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <SQLiteCpp/Database.h>
#include <algorithm>
#include <vector>

namespace zeviza::detail {

namespace {

constexpr std::size_t kMostIdleHandles = 4;

struct IdleHandle {
    std::string path;
    FileIdentity identity;
    std::unique_ptr<SQLite::Database> handle;
};

bool InGroup(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int found = ::getgroups(count, groups.data());
    return found > 0 &&
           std::find(groups.begin(), groups.begin() + found, group) != groups.begin() + found;
}

std::vector<IdleHandle>& IdleHandles() {
    static std::vector<IdleHandle> handles;
    return handles;
}

// Whether the mode lets this process write, as access(W_OK) would judge it
// for the effective user, without looking the path up a second time.
bool ModeAllowsWriting(const struct stat& status) {
    const uid_t user = ::geteuid();
    if (user == 0) {
        return true;
    }
    if (status.st_uid == user) {
        return (status.st_mode & S_IWUSR) != 0;
    }
    if (InGroup(status.st_gid)) {
        return (status.st_mode & S_IWGRP) != 0;
    }
    return (status.st_mode & S_IWOTH) != 0;
}

}  // namespace

std::optional<FileIdentity> IdentifyWritable(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !ModeAllowsWriting(status)) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
}

std::unique_ptr<SQLite::Database> TakeIdleHandle(const std::string& path,
                                                 const std::optional<FileIdentity>& now) {
    auto& handles = IdleHandles();
    auto found = std::find_if(handles.begin(), handles.end(),
                              [&](const IdleHandle& idle) { return idle.path == path; });
    if (found == handles.end()) {
        return nullptr;
    }
    IdleHandle idle = std::move(*found);
    handles.erase(found);
    if (!now || !(*now == idle.identity)) {
        return nullptr;  // the stale handle closes here
    }
    return std::move(idle.handle);
}

void KeepIdleHandle(const std::string& path, const FileIdentity& openedOn,
                    std::unique_ptr<SQLite::Database> handle) {
    if (!handle || sqlite3_get_autocommit(handle->getHandle()) == 0) {
        return;
    }
    auto& handles = IdleHandles();
    handles.erase(std::remove_if(handles.begin(), handles.end(),
                                 [&](const IdleHandle& idle) { return idle.path == path; }),
                  handles.end());
    if (handles.size() >= kMostIdleHandles) {
        handles.erase(handles.begin());
    }
    handles.push_back({path, openedOn, std::move(handle)});
}

}  // namespace zeviza::detail
