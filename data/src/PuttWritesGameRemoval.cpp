#include "src/GolferStatistics.h"
#include "src/WriteHelpers.h"

// Removing a game: the row goes, its figures come back out of the golfer's
// running totals and the averages are recomputed, all before the user is
// asked; a No undoes it all.
//
// The golfer, the length and every figure taken out come from the row the
// delete actually removed. The caller's arguments may describe an older game
// that carried the same identifier (a list opened before the identifier was
// reused); trusting them would move two golfers' statistics off for good.

namespace zeviza {

bool Putt::DeleteGame(std::string& strGameID, std::string& /*strGolferID*/,
                      std::int16_t /*intHoles*/, IntArray& /*intStats*/) {
    return RunWrite({"Remove Game - DLL Function", "RemoveGame"}, [&](Connection& connection) {
        // A game that is no longer stored has nothing left to take back out.
        for (const auto& share : detail::RemoveGames(connection, "GameID", strGameID)) {
            detail::TakeOutOfGolfer(connection, share);
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
