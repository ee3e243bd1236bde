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
//
// The statements prepared on a handle wait with it: most calls run one or
// two short statements, and preparing them again cost as much as running
// them.
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "zeviza/Connection.h"

namespace SQLite {
class Database;
}

namespace zeviza::detail {

// The file's identity when it exists and this process may write it.
std::optional<FileIdentity> IdentifyWritable(const std::string& path);

// A handle with its statements; the statements end before the handle, also
// when another takes its place (SQLite refuses to close a handle whose
// statements are still there).
struct IdleConnection {
    IdleConnection() = default;
    IdleConnection(std::unique_ptr<SQLite::Database> db, PreparedStatements prepared)
        : handle(std::move(db)), statements(std::move(prepared)) {}
    IdleConnection(IdleConnection&&) = default;
    IdleConnection& operator=(IdleConnection&& other) noexcept {
        statements.clear();
        handle = std::move(other.handle);
        statements = std::move(other.statements);
        return *this;
    }
    ~IdleConnection() { statements.clear(); }

    std::unique_ptr<SQLite::Database> handle;
    PreparedStatements statements;
};

// The idle handle of `path` when it was opened on the file found `now`; an
// idle handle of a file since changed (or found no longer writable) closes.
IdleConnection TakeIdleHandle(const std::string& path, const std::optional<FileIdentity>& now);
// `statements` must be reset: a kept statement holds no read open.
void KeepIdleHandle(const std::string& path, const FileIdentity& openedOn,
                    IdleConnection connection);

}  // namespace zeviza::detail
