#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "src/SqliteHandle.h"
#include "zeviza/DatabaseFile.h"

// The start-up check. A file SQLite cannot read as a database, one whose
// pages do not hold together, and one without the program's tables would
// otherwise start the program with every list empty and nothing said.

namespace zeviza {

namespace {

const char* const kProgramTables[] = {"tblGolfer", "tblClub", "tblGames", "tblStates", "tblCanada"};

bool IsDamage(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

struct EngineFailure {
    int code;
};

IntegrityReport Damaged(long number, std::string description) {
    return {true, number, std::move(description)};
}

// Every row a statement returns, as text in its first column; throws
// EngineFailure when the statement fails.
std::vector<std::string> FirstColumn(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    int code = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    std::vector<std::string> rows;
    while (code == SQLITE_OK || code == SQLITE_ROW) {
        code = sqlite3_step(statement.get());
        if (code == SQLITE_ROW) {
            const auto* text = sqlite3_column_text(statement.get(), 0);
            rows.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
        }
    }
    if (code != SQLITE_DONE) {
        throw EngineFailure{code};
    }
    return rows;
}

std::string MissingTables(sqlite3* db) {
    const auto present = FirstColumn(db, "SELECT name FROM sqlite_master WHERE type = 'table';");
    std::string missing;
    for (const char* table : kProgramTables) {
        if (std::find(present.begin(), present.end(), table) == present.end()) {
            missing += (missing.empty() ? "" : ", ") + std::string(table);
        }
    }
    return missing;
}

}  // namespace

std::filesystem::path DatabaseFile(const std::filesystem::path& programFolder) {
    return programFolder / "green" / "parlow.plg";
}

IntegrityReport CheckDatabaseFile(const std::filesystem::path& file) {
    int code = SQLITE_OK;
    std::string message;
    // Read-write without creating: after a crash SQLite must be able to roll
    // the interrupted write back before the file reads as sound.
    auto db = detail::OpenHandle(file, SQLITE_OPEN_READWRITE, code, message);
    if (!db) {
        return IsDamage(code) ? Damaged(code, message) : IntegrityReport{false, code, message};
    }
    try {
        const auto problems = FirstColumn(db.get(), "PRAGMA quick_check;");
        if (problems.size() != 1 || problems.front() != "ok") {
            std::string found;
            for (const auto& problem : problems) {
                found += (found.empty() ? "" : "; ") + problem;
            }
            return Damaged(SQLITE_CORRUPT, "The integrity check found: " + found);
        }
        const std::string missing = MissingTables(db.get());
        if (!missing.empty()) {
            return Damaged(SQLITE_CORRUPT, "The program's tables are missing: " + missing);
        }
    } catch (const EngineFailure& failure) {
        message = sqlite3_errmsg(db.get());
        return IsDamage(failure.code) ? Damaged(failure.code, message)
                                      : IntegrityReport{false, failure.code, message};
    }
    return {};
}

}  // namespace zeviza
