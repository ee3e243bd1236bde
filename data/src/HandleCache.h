#pragma once
// A closed connection leaves its SQLite handle here, idle and holding no
// lock, for the next open of the same file. Opening afresh re-reads the whole
// schema each time, which is most of the cost of a call. A handle is reused
// only while the path still names the same writable file it was opened on;
// a file that was moved, replaced, removed or made read-only gets a fresh open.
#include <memory>
#include <string>

namespace SQLite {
class Database;
}

namespace zeviza::detail {

std::unique_ptr<SQLite::Database> TakeIdleHandle(const std::string& path);
void KeepIdleHandle(const std::string& path, std::unique_ptr<SQLite::Database> handle);

}  // namespace zeviza::detail
