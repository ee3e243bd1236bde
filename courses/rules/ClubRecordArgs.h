#pragma once
// The arguments AddClub and UpdateClub take, filled from a checked course, and
// the identifier of a new course.
#include <optional>
#include <string>

#include "courses/rules/CourseEntry.h"
#include "zeviza/Putt.h"
#include "zeviza/RecordSet.h"

namespace parlow::courses {

// Each array is one slot longer than used; the spare slot stays empty or 0.
struct ClubRecordArgs {
    zeviza::TextArray strText = zeviza::TextArray(13);
    zeviza::IntArray intNumbers = zeviza::IntArray(23);
    zeviza::IntArray intCaps = zeviza::IntArray(19);
    zeviza::IntArray intStats = zeviza::IntArray(6);
    float sngRating = 0.0f;
};

// For a course that ValidateCourse passed. newClubID is empty on the edit
// screen, which hands the identifier to UpdateClub on its own.
ClubRecordArgs BuildClubRecordArgs(const CourseEntry& entry, CourseScreen screen,
                                   const std::string& newClubID);

// From the current row of what GetNewClubID returned. Empty when there is no
// such row (the read failed and has said so): the save cannot go on.
std::optional<std::string> MakeNewClubID(const zeviza::RecordSet* newClubIdRows);

}  // namespace parlow::courses
