#pragma once
// What a report is bound to: the result of one report command. The report
// data commands fill it; the report engine reads it; neither knows the other.
#include <vector>

#include "zeviza/RecordSet.h"

namespace parlow::reports {

struct ReportData {
    // A plain command's rows, or a grouped command's parent rows.
    zeviza::RecordSet rows{{}, {}};
    // Grouped commands only: each parent row's detail rows, in the order of
    // `rows`. Empty for a plain command.
    std::vector<zeviza::RecordSet> children;

    bool IsGrouped() const { return !children.empty(); }
};

}  // namespace parlow::reports
