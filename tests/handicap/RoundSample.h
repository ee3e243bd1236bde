#pragma once
// Rounds for the rule tables: a par-72 course (par 4 everywhere but four par
// 3s and four par 5s) with the usual stroke allocation, and scores spread so
// that no hole reaches net double bogey unless a test asks for it.
#include <array>
#include <chrono>
#include <cstdio>
#include <string>

#include "handicap/Round.h"

namespace handicap_test {

inline constexpr std::array<int, 18> kPars = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5};
inline constexpr std::array<int, 18> kAllocations = {1, 3, 17, 5, 7, 9,  15, 11, 13,
                                                     2, 4, 18, 6, 8, 10, 16, 12, 14};

struct Course {
    std::string id = "C2";
    std::int64_t rating10 = 720;
    int slope = 113;
};

// An 18-hole round of `gross` strokes: par plus one stroke on the hardest
// holes first, so a gross up to 108 stays within par + 2 on every hole.
inline handicap::Round Round18(int gross, const std::string& date, Course course = {}) {
    handicap::Round round;
    round.gameId = "G" + date;
    round.playDate = date + " 00:00:00";
    round.clubId = course.id;
    round.holes = 18;
    round.pars = kPars;
    round.allocations = kAllocations;
    round.rating10 = course.rating10;
    round.slope = course.slope;
    int over = gross - 72;
    for (int hole = 0; hole < 18; ++hole) {
        round.scores[hole] = kPars[hole];
    }
    for (int pass = 0; over != 0 && pass < 6; ++pass) {
        for (int rank = 1; rank <= 18 && over != 0; ++rank) {
            for (int hole = 0; hole < 18; ++hole) {
                if (kAllocations[hole] == rank) {
                    round.scores[hole] += over > 0 ? 1 : -1;
                    over += over > 0 ? -1 : 1;
                }
            }
        }
    }
    round.scoreOut = 0;
    round.scoreIn = 0;
    for (int hole = 0; hole < 9; ++hole) {
        round.scoreOut += round.scores[hole];
        round.scoreIn += round.scores[hole + 9];
    }
    return round;
}

// A nine-hole game: the 18-hole round's scores on one nine, zeros on the other.
inline handicap::Round Round9(bool front, int gross9, const std::string& date, Course course = {}) {
    handicap::Round round = Round18(72, date, course);
    round.holes = 9;
    const int first = front ? 0 : 9;
    for (int hole = 0; hole < 18; ++hole) {
        round.scores[hole] = hole >= first && hole < first + 9 ? kPars[hole] : 0;
    }
    int over = gross9 - 36;
    for (int hole = first; over != 0; hole = hole + 1 < first + 9 ? hole + 1 : first) {
        round.scores[hole] += over > 0 ? 1 : -1;
        over += over > 0 ? -1 : 1;
    }
    round.scoreOut = front ? gross9 : 0;
    round.scoreIn = front ? 0 : gross9;
    return round;
}

// Dates one day apart from 2024-01-01 on: Day(0) is "2024-01-01".
inline std::string Day(int n) {
    using namespace std::chrono;
    const year_month_day date{sys_days{2024y / January / 1} + days{n}};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace handicap_test
