#pragma once
// Reads what the rules need through Putt: a golfer's games in play order and
// the course records. A failed read throws zeviza::Error.
#include <cstdint>
#include <string>
#include <vector>

#include "handicap/Round.h"
#include "handicap/ScoringRecord.h"
#include "zeviza/Putt.h"

namespace handicap {

struct CourseRecord {
    std::string clubId;
    std::string clubName;
    std::string tees;
    std::int64_t rating10 = 0;
    int slope = 0;
    int coursePar = 0;
};

std::vector<Round> ReadRounds(zeviza::Putt& putt, const std::string& golferId);
std::vector<CourseRecord> ReadCourses(zeviza::Putt& putt);

ScoringRecord LoadScoringRecord(zeviza::Putt& putt, const std::string& golferId);

}  // namespace handicap
