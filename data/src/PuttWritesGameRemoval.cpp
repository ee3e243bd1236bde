#include "GolferStatistics.h"
#include "WriteHelpers.h"

// Removing a game: the row goes, its figures come back out of the golfer's
// running totals and the averages are recomputed, all before the user is
// asked; a No undoes it all.

namespace zeviza {

namespace {

// intStats slots of the removal screen, read from the game's list row.
enum RemovalSlot : std::size_t {
    kAces = 0,  // then double eagles, eagles ... others up to 9
    kFWaysLeft = 10,
    kFWaysRight = 11,
    kFWaysMissed = 12,
    kPuttsLeft = 13,  // then right, long, short, missed in all up to 17
    kTotalPutts = 18,
    kGreensLeft = 19,  // then right, long, short, missed in all up to 23
    kSandSaves = 24,
    kUpDowns = 25,
    kNetScore = 38,
    kGrossScore = 39,
    kRemovalSlots = 40,
};

// The figures the screen passes, plus the par-type figures that only the
// stored row holds.
detail::GolferShare ShareOfRemovedGame(const IntArray& intStats, const std::string& golferID,
                                       std::int16_t intHoles, const detail::GolferShare& stored) {
    detail::GolferShare share;
    share.golferID = golferID;
    share.eighteenHoles = detail::EighteenHoles(intHoles);
    share.gross = intStats[kGrossScore];
    share.net = intStats[kNetScore];
    share.putts = intStats[kTotalPutts];
    for (std::size_t i = 0; i < 10; ++i) {
        share.holeResults[i] = intStats[kAces + i];
    }
    for (std::size_t i = 0; i < 3; ++i) {
        share.fairways[i] = intStats[kFWaysLeft + i];
    }
    for (std::size_t i = 0; i < 5; ++i) {
        share.puttsMissed[i] = intStats[kPuttsLeft + i];
        share.greens[i] = intStats[kGreensLeft + i];
    }
    share.sandSaves = intStats[kSandSaves];
    share.upDowns = intStats[kUpDowns];
    for (std::size_t i = 0; i < 3; ++i) {
        share.parScores[i] = stored.parScores[i];
        share.parCounts[i] = stored.parCounts[i];
    }
    return share;
}

}  // namespace

bool Putt::DeleteGame(std::string& strGameID, std::string& strGolferID, std::int16_t intHoles,
                      IntArray& intStats) {
    return RunWrite({"Remove Game - DLL Function", "RemoveGame"}, [&](Connection& connection) {
        detail::RequireSlots(intStats, kRemovalSlots);
        const auto stored = detail::RemoveGames(connection, "GameID", strGameID);
        // A game that is no longer stored has nothing left to take back out.
        if (!stored.empty()) {
            detail::TakeOutOfGolfer(
                connection, ShareOfRemovedGame(intStats, strGolferID, intHoles, stored.front()));
        }
        const bool yes = Confirmed("Are You Sure?",
                                   "Remove this Game Record? \r\n\r\n"
                                   "Once removed it can't be recovered. ");
        return yes ? Outcome::Commit : Outcome::RollBack;
    });
}

bool Putt::UpdateGolferStats(std::string& /*strGameID*/, std::string& strGolferID,
                             std::int16_t intHoles, IntArray& /*intStats*/) {
    return RunWrite({"UpdateGolferStats - DLL Function", "RemoveGame - UpdateStats"},
                    [&](Connection& connection) {
                        try {
                            detail::RecomputeStrokeAverages(connection, strGolferID,
                                                            detail::EighteenHoles(intHoles));
                        } catch (const Error& error) {
                            // A statement the engine cannot parse is passed over.
                            if (error.Number() != kSyntaxError) {
                                throw;
                            }
                        }
                        return Outcome::Commit;
                    });
}

}  // namespace zeviza
