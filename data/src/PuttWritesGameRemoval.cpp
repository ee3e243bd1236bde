#include "src/GolferStatistics.h"
#include "src/WriteHelpers.h"

// Removing a game: the row goes, its figures come back out of the golfer's
// running totals and the averages are recomputed, all before the user is
// asked; a No undoes it all.
//
// The golfer, the length and every figure taken out come from the row the
// delete actually removed. The caller's golfer and length may describe an older game
// that carried the same identifier (a list opened before the identifier was
// reused); trusting them would move two golfers' statistics off for good.
// A caller that hands in what it showed of the game has a game that no
// longer matches it refused before anything goes.

namespace zeviza {

bool Putt::DeleteGame(const GameRemoval& removal, ShownRecord* shown) {
    const std::string& strGameID = removal.gameId;
    detail::ForgetChange(shown);
    return RunWrite({"Remove Game - DLL Function", "RemoveGame"}, [&](Connection& connection) {
        if (!detail::StillAsShown(connection, "tblGames", "GameID", strGameID, shown)) {
            return Outcome::RollBack;
        }
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

bool Putt::UpdateGolferStats(const GameRemoval& removal) {
    return RunWrite({"UpdateGolferStats - DLL Function", "RemoveGame - UpdateStats"},
                    [&](Connection& connection) {
                        try {
                            detail::RecomputeStrokeAverages(connection, removal.golferId,
                                                            detail::EighteenHoles(removal.holes));
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
