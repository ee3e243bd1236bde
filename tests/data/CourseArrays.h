#pragma once
// The course writes in their array form, filled slot by slot as callers
// written against the arrays fill them. The layout is spelt out here on its
// own, not taken from the library, so the adapter tests check it
// independently.
#include "tests/support/WritesSupport.h"

namespace course_arrays {

using zeviza::IntArray;
using zeviza::TextArray;

struct CourseArrays {
    TextArray strText = TextArray(13);
    IntArray intNumbers = IntArray(23);
    IntArray intCaps = IntArray(19);
    IntArray intStats = IntArray(6);
    float sngRating = 70.4f;
};

inline CourseArrays CourseArraysOf(const writes_support::Course& course) {
    CourseArrays a;
    a.strText = {course.name, "1 Fairway Dr", "Pinehurst", "NC",        "28374",
                 "555-0100",  "555-0101",     "Pro Name",  "Asst Name", "Mgr Name",
                 course.id,   course.tees,    ""};
    int out = 0;
    int in = 0;
    for (int hole = 1; hole <= 18; ++hole) {
        const int slot = hole <= 9 ? hole - 1 : hole;
        a.intNumbers[slot] = course.ParOf(hole);
        (hole <= 9 ? out : in) += course.ParOf(hole);
        a.intCaps[hole - 1] = static_cast<std::int16_t>(hole);
        a.intStats[course.ParOf(hole) - 3]++;
        a.intStats[3] += course.ParOf(hole) > 3 ? 1 : 0;
    }
    a.intNumbers[9] = static_cast<std::int16_t>(out);
    a.intNumbers[19] = static_cast<std::int16_t>(in);
    a.intNumbers[20] = 131;
    a.intNumbers[21] = static_cast<std::int16_t>(out + in);
    a.intStats[4] = 6512;
    return a;
}

}  // namespace course_arrays
