#include "zeviza/Putt.h"

// The games a golfer's trend charts are drawn from: every game of the golfer
// in the order it was played (the row number settles games of one day), with
// the counts the charts work their figures out of.

namespace zeviza {

namespace {

const char* const kLoadTrendGames =
    "SELECT GameID,PlayDate,Club,Tees,Holes,GrossScore,TotalPutts,GreensMissed,TotalFWays,"
    "FWaysMissed FROM tblGames WHERE GolferID = ? ORDER BY PlayDate,ID;";

}  // namespace

RecordSetPtr Putt::LoadTrendGames(const std::string& strGolferID) {
    return ReadPropagating(kLoadTrendGames, {strGolferID});
}

}  // namespace zeviza
