#pragma once
// Reads what the trend charts need through Putt. A failed read throws
// zeviza::Error.
#include <string>
#include <vector>

#include "reports/trends/rules/TrendRound.h"
#include "zeviza/Putt.h"

namespace trends {

// Every game of the golfer, in play order.
std::vector<TrendRound> ReadTrendRounds(zeviza::Putt& putt, const std::string& golferId);

// The golfer's Handicap Index after each round that changed it. The program
// keeps no index yet, so the history is empty and the charts leave the
// index out; once the handicap record is kept, its history is read here.
std::vector<IndexPoint> ReadIndexHistory(zeviza::Putt& putt, const std::string& golferId);

}  // namespace trends
