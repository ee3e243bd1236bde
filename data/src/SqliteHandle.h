#pragma once
// A bare SQLite handle closed on every path, for the work on the database
// file that runs outside a Putt unit of work.
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>

namespace zeviza::detail {

struct CloseHandle {
    void operator()(sqlite3* handle) const { sqlite3_close_v2(handle); }
};
using SqliteHandle = std::unique_ptr<sqlite3, CloseHandle>;

// Opens with the given flags; on failure the handle is empty and code and
// message say why.
inline SqliteHandle OpenHandle(const std::filesystem::path& file, int flags, int& code,
                               std::string& message) {
    sqlite3* raw = nullptr;
    code = sqlite3_open_v2(file.c_str(), &raw, flags, nullptr);
    SqliteHandle handle(raw);
    if (code != SQLITE_OK) {
        message = raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(code);
        handle.reset();
    }
    return handle;
}

}  // namespace zeviza::detail
