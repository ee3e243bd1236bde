#pragma once
// The texts the screens and the report show for the handicap figures, so
// every place words them alike.
#include <cstdint>
#include <string>

#include "handicap/IndexTable.h"
#include "handicap/RecordReader.h"
#include "handicap/ScoringRecord.h"

namespace handicap {

inline constexpr const char* kIndexCaption = "Handicap Index (estimate)";
inline constexpr const char* kLowIndexCaption = "Low Handicap Index";
inline constexpr const char* kCapCaption = "Cap";
inline constexpr const char* kCourseHandicapCaption = "Course Handicap";
inline constexpr const char* kEstimateNote =
    "Worked out from this log: not an official Handicap Index. No playing-conditions "
    "adjustment.";

// An index as golfers write it: 12.3, and a plus index as +1.2.
std::string IndexText(std::int64_t index10);
// A Course Handicap: 11, and a plus handicap as +2.
std::string CourseHandicapText(int courseHandicap);
// "needs 2 more rounds", "needs 1 more round"
std::string RoundsNeededText(int rounds);

// The index, or what it still needs.
std::string IndexOrNeeded(const ScoringRecord& record);
// The low index, or "none until 20 differentials".
std::string LowIndexOrNone(const ScoringRecord& record);
std::string CapText(Cap cap);
// The Course Handicap at the current index on a course record, or what the
// index still needs.
std::string CourseHandicapOrNeeded(const ScoringRecord& record, const CourseRecord& course);

}  // namespace handicap
