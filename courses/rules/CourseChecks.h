#pragma once
// The checks a course passes before it is stored. Only the first failure is
// reported; the screen shows it in a box with OK and the program's title.
#include "courses/rules/CourseEntry.h"

namespace parlow::courses {

// May rewrite handicap indexes that are not numbers to "0"; the screen shows
// the rewritten texts whether or not the check passes.
CourseCheckResult ValidateCourse(CourseEntry& entry, CourseScreen screen);

// Out, In and the course par against the hole pars.
CourseCheckResult CheckParTotals(const CourseEntry& entry, CourseScreen screen);

}  // namespace parlow::courses
