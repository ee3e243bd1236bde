#pragma once
// The Handicap Record report: the golfer, the estimated index and low index,
// the 20 most recent differentials newest first, and the Course Handicap on
// every course record at the current index. Its rows are worked out by the
// handicap rules rather than read by a report command.
#include <memory>
#include <string>
#include <vector>

#include "handicap/RecordReader.h"
#include "handicap/ScoringRecord.h"
#include "reports/ReportData.h"
#include "zeviza/Putt.h"

namespace parlow::reports {

inline constexpr const char* kHandicapLayout = "rptHandicapRecord";
// The name the command line gives it: --report handicap <GolferID> --pdf <file>
inline constexpr const char* kHandicapReportName = "handicap";

// Three groups, each a heading with column headings over its lines: the
// golfer's figures, the differentials and the course handicaps.
ReportData HandicapRecordData(const std::string& fullName, const std::string& golferId,
                              const handicap::ScoringRecord& record,
                              const std::vector<handicap::CourseRecord>& courses);

// The golfer's report from the stored games; none when there is no such golfer.
// A failed read throws zeviza::Error.
std::shared_ptr<const ReportData> ReadHandicapRecord(zeviza::Putt& putt,
                                                     const std::string& golferId);

}  // namespace parlow::reports
