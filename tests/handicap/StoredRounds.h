#pragma once
// Stores sample golfers, courses and games straight into a test database, as
// the game entry screen would have left them, for the tests and the
// benchmark that read the record back through Putt.
#include <SQLiteCpp/SQLiteCpp.h>

#include <string>

#include "handicap/Round.h"

namespace handicap_test {

inline void StoreGolfer(SQLite::Database& db, const std::string& golferId,
                        const std::string& fullName) {
    SQLite::Statement insert(db,
                             "INSERT INTO tblGolfer (GolferID, FName, LName, FullName, Category, "
                             "Handicap) VALUES (?, ?, ?, ?, 'Adult Male', 12)");
    insert.bind(1, golferId);
    insert.bind(2, fullName.substr(0, fullName.find(' ')));
    insert.bind(3, fullName.substr(fullName.find(' ') + 1));
    insert.bind(4, fullName);
    insert.exec();
}

inline void StoreCourse(SQLite::Database& db, const std::string& clubId, const std::string& name,
                        const std::string& tees, double rating, int slope, int coursePar = 72) {
    SQLite::Statement insert(db,
                             "INSERT INTO tblClub (ClubID, ClubName, Tees, Rating, Slope, "
                             "CoursePar) VALUES (?, ?, ?, ?, ?, ?)");
    insert.bind(1, clubId);
    insert.bind(2, name);
    insert.bind(3, tees);
    insert.bind(4, rating);
    insert.bind(5, slope);
    insert.bind(6, coursePar);
    insert.exec();
}

// One prepared insert for many games.
class GameStore {
  public:
    explicit GameStore(SQLite::Database& db) : insert_(db, Sql()) {}

    void Store(const std::string& golferId, const handicap::Round& round) {
        int at = 1;
        insert_.bind(at++, round.gameId);
        insert_.bind(at++, golferId);
        insert_.bind(at++, round.clubId);
        insert_.bind(at++, round.club);
        insert_.bind(at++, round.tees);
        insert_.bind(at++, round.playDate);
        insert_.bind(at++, round.holes);
        insert_.bind(at++, round.scoreOut);
        insert_.bind(at++, round.scoreIn);
        insert_.bind(at++, round.scoreOut + round.scoreIn);
        for (int hole = 0; hole < 18; ++hole) {
            insert_.bind(at + hole, round.scores[hole]);
            insert_.bind(at + 18 + hole, round.pars[hole]);
            insert_.bind(at + 36 + hole, round.allocations[hole]);
        }
        insert_.exec();
        insert_.reset();
    }

  private:
    static std::string Sql() {
        std::string columns =
            "GameID,GolferID,ClubID,Club,Tees,PlayDate,Holes,ScoreOut,ScoreIn,GrossScore";
        std::string marks = "?,?,?,?,?,?,?,?,?,?";
        for (const char* prefix : {"Score", "Par", "HCap"}) {
            for (int hole = 1; hole <= 18; ++hole) {
                columns += std::string(",") + prefix + std::to_string(hole);
                marks += ",?";
            }
        }
        return "INSERT INTO tblGames (" + columns + ") VALUES (" + marks + ")";
    }
    SQLite::Statement insert_;
};

}  // namespace handicap_test
