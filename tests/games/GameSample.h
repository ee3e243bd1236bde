#pragma once
// A par-72 course (four par 3s, ten par 4s, four par 5s, 14 fairways), a
// golfer, and a full round of 40 out and 45 in on it.
#include <chrono>

#include "games/rules/GameEntry.h"

namespace game_sample {

using namespace std::chrono_literals;

inline constexpr std::chrono::year_month_day kToday = 2024y / 6 / 15;

inline parlow::games::CourseCard ParSeventyTwo() {
    parlow::games::CourseCard course;
    course.ClubID = "C4";
    course.ClubName = "Pine Hollow";
    course.Tees = "White";
    //            1    2    3    4    5    6    7    8    9
    course.par = {"4", "4", "3", "5", "4", "4", "3", "4", "5",
                  "4", "3", "5", "4", "4", "3", "4", "5", "4"};
    course.ParOut = "36";
    course.ParIn = "36";
    for (int hole = 0; hole < 18; ++hole) {
        course.hcap[hole] = std::to_string(18 - hole);
    }
    course.TotalFWays = "14";
    course.Par3s = "4";
    course.Par4s = "10";
    course.Par5s = "4";
    return course;
}

inline parlow::games::GolferChoice Golfer() {
    return {"Ann O'Hara", "D6", "Amateur", "12.5"};
}

inline parlow::games::GameEntry FullRound() {
    parlow::games::GameEntry entry;
    entry.hole = {"5", "4", "4", "6", "4", "5", "3", "4", "5",
                  "5", "4", "6", "5", "5", "4", "5", "6", "5"};
    entry.out = "40";
    entry.in = "45";
    return entry;
}

}  // namespace game_sample
