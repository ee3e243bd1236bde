#pragma once
// The nine report commands: each one's name, the layout it feeds, its
// parameters in placeholder order and its statement.
#include <string>
#include <vector>

namespace parlow::reports {

struct ReportCommand {
    std::string name;                     // "cmdGameStats"
    std::string layout;                   // "rptGameStats"
    std::vector<std::string> parameters;  // text values, in placeholder order
    std::string sql;
    // Grouped commands only: the columns whose distinct values make the
    // parent rows; each parent holds its games, in the statement's order.
    std::vector<std::string> groupBy;
    // Finds the stored record the values name (a golfer, course or game).
    std::string recordSql;

    bool IsGrouped() const { return !groupBy.empty(); }
};

const std::vector<ReportCommand>& ReportCommands();
// The command of that name, or nullptr.
const ReportCommand* FindReportCommand(const std::string& name);
// The command that feeds the layout, or nullptr.
const ReportCommand* CommandForLayout(const std::string& layout);

}  // namespace parlow::reports
