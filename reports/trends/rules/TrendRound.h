#pragma once
// One stored game as the trend charts read it.
#include <string>

namespace trends {

struct TrendRound {
    std::string gameId;
    std::string playDate;  // "YYYY-MM-DD HH:MM:SS" as stored
    std::string club;
    std::string tees;
    int holes = 18;
    int gross = 0;
    int putts = 0;  // 0: not kept for the round
    int greensMissed = 0;
    int fairwaysToHit = 0;  // the course's fairways over all 18 holes
    int fairwaysMissed = 0;
};

// A point of the Handicap Index history: the index after the round it names.
struct IndexPoint {
    std::string playDate;
    std::string club;
    double index = 0;
};

}  // namespace trends
