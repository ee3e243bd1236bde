#pragma once
// A course that every check passes: par 72 (36 out, 36 in), slope 113, rating 70.4.
#include "courses/rules/CourseEntry.h"

namespace course_sample {

inline parlow::courses::CourseEntry ValidCourse() {
    parlow::courses::CourseEntry entry;
    entry.clubName = "Pine Hollow";
    entry.address = "1 Fairway Rd";
    entry.city = "Augusta";
    entry.state = "GA - Georgia";
    entry.postalCode = "30904";
    entry.clubPhone = "555-0100";
    entry.proShopPhone = "555-0101";
    entry.clubPro = "Sam Snead";
    entry.asstPro = "Ben Hogan";
    entry.manager = "Bobby Jones";
    entry.par = {"4", "4", "3", "5", "4", "4", "3", "4", "5",
                 "4", "3", "5", "4", "4", "3", "4", "5", "4"};
    entry.out = "36";
    entry.in = "36";
    entry.slope = "113";
    entry.rating = "70.4";
    entry.coursePar = "72";
    for (int hole = 0; hole < 18; ++hole) {
        entry.hcap[hole] = std::to_string(hole + 1);
    }
    entry.par3s = "4";
    entry.par4s = "10";
    entry.par5s = "4";
    entry.fairways = "14";
    entry.length = "6800";
    entry.tees = "White";
    entry.selectedCourse = "Pine Hollow";
    return entry;
}

}  // namespace course_sample
