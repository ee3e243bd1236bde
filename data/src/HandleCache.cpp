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

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct IdleHandle {
    std::string path;
    FileIdentity identity;
    std::unique_ptr<SQLite::Database> handle;
};

std::vector<IdleHandle>& IdleHandles() {
    static std::vector<IdleHandle> handles;
    return handles;
}

bool IdentifyWritable(const std::string& path, FileIdentity& identity) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || ::access(path.c_str(), W_OK) != 0) {
        return false;
    }
    identity = {status.st_dev, status.st_ino};
    return true;
}

}  // namespace

std::unique_ptr<SQLite::Database> TakeIdleHandle(const std::string& path) {
    auto& handles = IdleHandles();
    auto found = std::find_if(handles.begin(), handles.end(),
                              [&](const IdleHandle& idle) { return idle.path == path; });
    if (found == handles.end()) {
        return nullptr;
    }
    IdleHandle idle = std::move(*found);
    handles.erase(found);
    FileIdentity now;
    if (!IdentifyWritable(path, now) || !(now == idle.identity)) {
        return nullptr;  // the stale handle closes here
    }
    return std::move(idle.handle);
}

void KeepIdleHandle(const std::string& path, std::unique_ptr<SQLite::Database> handle) {
    FileIdentity identity;
    if (!handle || sqlite3_get_autocommit(handle->getHandle()) == 0 ||
        !IdentifyWritable(path, identity)) {
        return;
    }
    auto& handles = IdleHandles();
    handles.erase(std::remove_if(handles.begin(), handles.end(),
                                 [&](const IdleHandle& idle) { return idle.path == path; }),
                  handles.end());
    if (handles.size() >= kMostIdleHandles) {
        handles.erase(handles.begin());
    }
    handles.push_back({path, identity, std::move(handle)});
}

}  // namespace zeviza::detail
