#pragma once
// One course or one game row of an import, checked as its entry screen checks
// what is typed and turned into the arguments that screen gives AddClub or
// AddGame. A refusal names the column of the field the screen would have
// put the focus on.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "transfer/rules/ImportPlan.h"
#include "transfer/rules/RowCells.h"
#include "zeviza/Putt.h"

namespace parlow::transfer {

struct RowProblem {
    std::string column;
    std::string message;
};

// A text longer than its entry field takes, counted in characters, or none.
std::optional<RowProblem> TooLong(const std::string& column, const std::string& text, int limit);

// The columns a file must have, beyond the identifier (ClubID or GameID,
// which may be left out: each row then gets a new one).
std::vector<std::string> RequiredCourseColumns();
std::vector<std::string> RequiredGameColumns();

std::variant<zeviza::CourseRecord, RowProblem> CheckCourseRow(const ColumnCells& cells,
                                                              std::size_t row,
                                                              const StoredRecords& stored);

std::variant<zeviza::GameRecord, RowProblem> CheckGameRow(const ColumnCells& cells, std::size_t row,
                                                          const StoredRecords& stored,
                                                          std::chrono::year_month_day today);

}  // namespace parlow::transfer
