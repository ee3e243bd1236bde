#pragma once
// A golfer's running statistics are sums over the golfer's games. Recording a
// game adds its share, removing games takes theirs back out, and the averages
// are then recomputed by the database from the new sums. One place maps a
// game's figures onto the golfer's columns, so adding and removing can never
// drift apart.
#include <cstdint>
#include <string>
#include <vector>

#include "zeviza/Connection.h"

namespace zeviza::detail {

// What one game, or several games of one length by one golfer, contribute.
struct GolferShare {
    std::string golferID;
    bool eighteenHoles = false;  // the 18-hole columns, otherwise the 9-hole ones
    std::int64_t games = 1;
    std::int64_t gross = 0;
    std::int64_t net = 0;
    std::int64_t putts = 0;
    // Aces, DEagles, Eagles, Birds, Pars, Bogies, DBogies, TBogies, QBogies, Others
    std::int64_t holeResults[10] = {};
    // FWaysLeft, FWaysRight, FWaysMissed
    std::int64_t fairways[3] = {};
    // GreensLeft, GreensRight, GreensLong, GreensShort, GreensMissed
    std::int64_t greens[5] = {};
    // PuttsLeft, PuttsRight, PuttsLong, PuttsShort, PuttsMissed
    std::int64_t puttsMissed[5] = {};
    std::int64_t sandSaves = 0;
    std::int64_t upDowns = 0;
    // par-3, par-4 and par-5 holes: scores made on them, and how many were played
    std::int64_t parScores[3] = {};
    std::int64_t parCounts[3] = {};
};

// A game of 18 holes counts in the 18-hole columns, any other in the 9-hole ones.
inline bool EighteenHoles(std::int16_t holes) {
    return holes == 18;
}

void AddToGolfer(Connection& connection, const GolferShare& share);

// Takes the share back out and recomputes the averages as a removal does:
// should the engine still find an average without value, the stroke
// averages of that length become 0 and the removal goes on.
void TakeOutOfGolfer(Connection& connection, const GolferShare& share);

// Par3Avg, Par4Avg, Par5Avg and the two stroke averages of one length.
// An average whose count is 0 is 0.
void RecomputeAverages(Connection& connection, const std::string& golferID, bool eighteenHoles);
void RecomputeStrokeAverages(Connection& connection, const std::string& golferID,
                             bool eighteenHoles);

// Removes the stored games whose keyColumn equals key and returns their
// shares, summed per golfer and length. keyColumn is one of the library's own
// column names, never a caller's text.
std::vector<GolferShare> RemoveGames(Connection& connection, const std::string& keyColumn,
                                     const std::string& key);

// Every golfer's statistics set to the sums over the golfer's stored games,
// and the averages worked out from them.
void SumStatisticsAgain(Connection& connection);

}  // namespace zeviza::detail
