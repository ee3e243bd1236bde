#pragma once
// An import from CSV, worked out before anything is written: every row
// checked as the entry screens check what is typed (the course checks, the
// game rules), the records it would add, and every refusal with its row and
// column. A file with any refused row imports nothing.
#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "csv/CsvReader.h"
#include "games/rules/GameEntry.h"
#include "zeviza/Putt.h"

namespace parlow::transfer {

enum class ImportKind { Courses, Games };

// "courses" or "games".
std::optional<ImportKind> ImportKindNamed(std::string_view name);
const char* ImportKindName(ImportKind kind);

struct RowRefusal {
    std::size_t row;  // as a spreadsheet numbers it: the header is row 1
    std::string column;
    std::string message;  // one line
};

// What the rows are checked against, read from the log before the check.
struct StoredRecords {
    std::set<std::string> clubIds;
    std::set<std::string> gameIds;
    std::map<std::string, games::CourseCard> courses;    // by ClubID
    std::map<std::string, games::GolferChoice> golfers;  // by GolferID
    std::set<std::string> stateCodes;                    // the listed states and provinces
};

// A failed read throws.
StoredRecords ReadStoredRecords(zeviza::Putt& putt, ImportKind kind);

struct ImportPlan {
    ImportKind kind = ImportKind::Games;
    std::size_t rows = 0;
    // Rows whose identifier is stored already; they are left as stored.
    std::size_t alreadyStored = 0;
    // At most one per row: the first check it fails, as the screens stop at the first.
    std::vector<RowRefusal> refusals;
    // A refusal of the whole file (a required column missing, text no CSV).
    std::string fileProblem;
    std::vector<zeviza::CourseRecord> clubs;
    std::vector<zeviza::GameRecord> games;

    std::size_t NewRecords() const { return clubs.size() + games.size(); }
    bool Importable() const { return fileProblem.empty() && refusals.empty(); }
};

ImportPlan PlanImport(ImportKind kind, const csv::Table& table, const StoredRecords& stored,
                      std::chrono::year_month_day today);

// The file read and checked against the log; a file that cannot be read or
// parsed is the plan's fileProblem.
ImportPlan PlanImportOfFile(zeviza::Putt& putt, ImportKind kind, const std::string& file,
                            std::chrono::year_month_day today);

// "row 5, Score3: Invalid hole score ..." for the first 20 refusals, then
// "... and 7 more rows refused".
std::vector<std::string> RefusalLines(const ImportPlan& plan);

// Writes the plan's new records in one unit of work. False when the library
// refused (it has said why) or the plan is not importable.
bool CarryOutImport(zeviza::Putt& putt, ImportPlan& plan);

// A message of the checks as one line: line breaks become blanks, the
// trailing blanks the boxes keep are dropped.
std::string OneLine(std::string_view message);

}  // namespace parlow::transfer
