#pragma once
// One course record (a course and one set of tees) as the course writes
// store it, by name. Plain values, filled alike by the course screens and an
// import. Texts are given as typed: the library stores them trimmed of
// blanks and without NUL characters, and never changes the record.
#include <cstdint>
#include <string>

#include "zeviza/HoleValues.h"

namespace zeviza {

struct CourseRecord {
    std::string
        clubId;  // the record's identifier ("C3"): new for AddClub, the one changed by UpdateClub
    std::string name;     // the course's name
    std::string address;  // street address
    std::string city;
    std::string state;  // state or province code ("NC"); UpdateClub stores it as given
    std::string postalCode;
    std::string clubPhone;
    std::string proShopPhone;
    std::string clubPro;         // the club professional's name
    std::string assistantPro;    // the assistant professional's name
    std::string manager;         // the club manager's name
    std::string tees;            // the set of tees this record is for ("White"), stored as given
    HoleValues pars{};           // each hole's par
    std::int16_t parOut = 0;     // par of holes 1 to 9
    std::int16_t parIn = 0;      // par of holes 10 to 18
    std::int16_t coursePar = 0;  // par of the 18 holes
    HoleValues holeHandicaps{};  // each hole's stroke allocation, 1 to 18
    std::int16_t slope = 0;      // the Slope Rating of these tees
    float rating = 0.0f;         // the Course Rating of these tees, in strokes
    std::int16_t par3s = 0;      // holes of par 3
    std::int16_t par4s = 0;      // holes of par 4
    std::int16_t par5s = 0;      // holes of par 5
    std::int16_t fairways = 0;   // fairways to hit from the tee (F-Ways)
    std::int16_t yards = 0;      // the course's length, in yards

    friend bool operator==(const CourseRecord&, const CourseRecord&) = default;
};

}  // namespace zeviza
