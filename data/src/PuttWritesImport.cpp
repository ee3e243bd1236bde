#include <map>
#include <set>
#include <string>

#include "src/GolferStatistics.h"
#include "src/NewRecordWrites.h"
#include "src/WriteHelpers.h"
#include "zeviza/Identifiers.h"

// Many courses or many games in one unit of work, each through the statements
// AddClub and AddGame run: a file imported whole or not at all, and every
// golfer's statistics still the sums over the stored games.

namespace zeviza {

namespace {

// As GetNewClubID and GetNewGameID read it, inside this unit of work, so a
// record added a moment before counts.
std::string NewIdentifier(Connection& connection, const char* table, const IdentifierRule& rule,
                          const char* keyColumn) {
    const RecordSetPtr largest = connection.Execute(std::string("SELECT MAX(ID) AS [") +
                                                    rule.column + "] FROM " + table + ";");
    const std::optional<std::string> formed = FormIdentifierFromRows(rule, largest.get());
    if (!formed) {
        throw Error(kNoCurrentRecord,
                    std::string("No new identifier could be read from ") + table + ".");
    }
    // An identifier the file brought may already hold the number this one
    // takes; a second record under it would never be told apart.
    const RecordSetPtr taken = connection.Execute(
        std::string("SELECT 1 FROM ") + table + " WHERE " + keyColumn + " = ? LIMIT 1;",
        {Value(*formed)});
    if (taken && !taken->IsEmpty()) {
        throw Error(kInvalidArgument,
                    "The new identifier " + *formed + " is already stored; nothing was imported.");
    }
    return *formed;
}

}  // namespace

bool Putt::AddClubs(std::vector<CourseRecord>& courses) {
    return RunWrite({"Import Courses - DLL Function", "AddClubs"}, [&](Connection& connection) {
        for (CourseRecord& course : courses) {
            if (course.clubId.empty()) {
                course.clubId = NewIdentifier(connection, "tblClub", kClubIdentifiers, "ClubID");
            }
            detail::InsertClub(connection, course);
        }
        return Outcome::Commit;
    });
}

bool Putt::AddGames(std::vector<GameRecord>& games) {
    return RunWrite({"Import Games - DLL Function", "AddGames"}, [&](Connection& connection) {
        // The averages follow from the sums alone, so each golfer's are
        // worked out once, after the last of the golfer's games is in.
        std::set<std::pair<std::string, bool>> golfersTouched;
        for (GameRecord& game : games) {
            if (game.gameId.empty()) {
                game.gameId = NewIdentifier(connection, "tblGames", kGameIdentifiers, "GameID");
            }
            detail::InsertGame(connection, game);
            golfersTouched.insert({game.golferId, detail::EighteenHoles(game.holes)});
        }
        for (const auto& [golferID, eighteenHoles] : golfersTouched) {
            detail::RecomputeAverages(connection, golferID, eighteenHoles);
        }
        return Outcome::Commit;
    });
}

}  // namespace zeviza
