#include "src/HandleCache.h"

#include <fcntl.h>
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
    IdleConnection connection;
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

// Whether the mode and attributes let this process write, as access(W_OK)
// would judge it for the effective user, without looking the path up a
// second time. An immutable or append-only file refuses even the superuser.
bool AllowsWriting(const struct statx& status) {
    constexpr std::uint64_t kUnwritable = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    if ((status.stx_attributes & status.stx_attributes_mask & kUnwritable) != 0) {
        return false;
    }
    const uid_t user = ::geteuid();
    if (user == 0) {
        return true;
    }
    if (status.stx_uid == user) {
        return (status.stx_mode & S_IWUSR) != 0;
    }
    if (InGroup(status.stx_gid)) {
        return (status.stx_mode & S_IWGRP) != 0;
    }
    return (status.stx_mode & S_IWOTH) != 0;
}

}  // namespace

std::optional<FileIdentity> IdentifyWritable(const std::string& path) {
    struct statx status {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS, &status) != 0 ||
        !AllowsWriting(status)) {
        return std::nullopt;
    }
    return FileIdentity{
        (static_cast<std::uint64_t>(status.stx_dev_major) << 32) | status.stx_dev_minor,
        status.stx_ino};
}

IdleConnection TakeIdleHandle(const std::string& path, const std::optional<FileIdentity>& now) {
    auto& handles = IdleHandles();
    auto found = std::find_if(handles.begin(), handles.end(),
                              [&](const IdleHandle& idle) { return idle.path == path; });
    if (found == handles.end()) {
        return {};
    }
    IdleHandle idle = std::move(*found);
    handles.erase(found);
    if (!now || !(*now == idle.identity)) {
        return {};  // the stale handle closes here, its statements first
    }
    return std::move(idle.connection);
}

void KeepIdleHandle(const std::string& path, const FileIdentity& openedOn,
                    IdleConnection connection) {
    if (!connection.handle || sqlite3_get_autocommit(connection.handle->getHandle()) == 0) {
        return;
    }
    auto& handles = IdleHandles();
    handles.erase(std::remove_if(handles.begin(), handles.end(),
                                 [&](const IdleHandle& idle) { return idle.path == path; }),
                  handles.end());
    if (handles.size() >= kMostIdleHandles) {
        handles.erase(handles.begin());
    }
    handles.push_back({path, openedOn, std::move(connection)});
}

}  // namespace zeviza::detail
