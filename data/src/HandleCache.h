#pragma once
// A closed connection leaves its SQLite handle here, idle and holding no
// lock, for the next open of the same file. Opening afresh re-reads the whole
// schema each time, which is most of the cost of a call. A handle is reused
// only while the path still names the same writable file it was opened on;
// a file that was moved, replaced, removed or made read-only gets a fresh open.
//
// The file is looked up once per call, when it opens: the identity found
// then goes back with the handle at its close, and the next open compares
// it with the file as it is by then.
#include <memory>
#include <optional>
#include <string>

#include "zeviza/Connection.h"

namespace SQLite {
class Database;
}

namespace zeviza::detail {

// The file's identity when it exists and this process may write it.
std::optional<FileIdentity> IdentifyWritable(const std::string& path);

// The idle handle of `path` when it was opened on the file found `now`; an
// idle handle of a file since changed (or found no longer writable) closes.
std::unique_ptr<SQLite::Database> TakeIdleHandle(const std::string& path,
                                                 const std::optional<FileIdentity>& now);
void KeepIdleHandle(const std::string& path, const FileIdentity& openedOn,
                    std::unique_ptr<SQLite::Database> handle);

}  // namespace zeviza::detail
