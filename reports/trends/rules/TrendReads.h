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

// The golfer's Handicap Index estimate after each round that set it, from
// the same scoring record the Handicap Record report prints; empty until the
// golfer has enough differentials, and the charts then leave the index out.
std::vector<IndexPoint> ReadIndexHistory(zeviza::Putt& putt, const std::string& golferId);

}  // namespace trends
