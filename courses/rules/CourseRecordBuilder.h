#pragma once
// The course record AddClub and UpdateClub take, filled from a checked
// course, and the identifier of a new course.
#include <optional>
#include <string>

#include "courses/rules/CourseEntry.h"
#include "zeviza/CourseRecord.h"
#include "zeviza/RecordSet.h"

namespace parlow::courses {

// For a course that ValidateCourse passed: clubID is the new course's
// identifier on the entry screen, the chosen course's on the edit screen.
zeviza::CourseRecord BuildCourseRecord(const CourseEntry& entry, CourseScreen screen,
                                       const std::string& clubID);

// From the current row of what GetNewClubID returned. Empty when there is no
// such row (the read failed and has said so): the save cannot go on.
std::optional<std::string> MakeNewClubID(const zeviza::RecordSet* newClubIdRows);

}  // namespace parlow::courses
