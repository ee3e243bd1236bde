#include "bench/support/BenchRecords.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace bench_support {
namespace {

std::string GolferName(int golfer) {
    if (golfer == 0) {
        return "Ann O'Hara";
    }
    return golfer == 1 ? "Walter Hagen" : "Golfer " + std::to_string(golfer);
}

std::string GolferId(int golfer) {
    return "D" + std::to_string(2 * (golfer + 1));
}

std::string CourseName(int course) {
    return "Course " + std::to_string((course + 1) * 7919 % 1000);
}

void StoreGolfers(SQLite::Database& db, int golfers) {
    SQLite::Statement insert(db,
                             "INSERT INTO tblGolfer (GolferID,FName,LName,FullName,Category,"
                             "Handicap,Address,City,Club,Age) VALUES (?,?,?,?,'Adult Female',12.5,"
                             "'1 Main St','Pinehurst','Pine Needles',40)");
    for (int golfer = 0; golfer < golfers; ++golfer) {
        const std::string name = GolferName(golfer);
        insert.bind(1, GolferId(golfer));
        insert.bind(2, name.substr(0, name.find(' ')));
        insert.bind(3, name.substr(name.find(' ') + 1));
        insert.bind(4, name);
        insert.exec();
        insert.reset();
    }
}

void StoreCourses(SQLite::Database& db, int courses) {
    std::string columns =
        "ClubID,ClubName,City,State,Tees,ClubPro,CoursePar,ParOut,ParIn,TotalFWays,Par3s,Par4s,"
        "Par5s,Slope,Rating";
    std::string places = "?,?,'Pinehurst','NC','White','Pro',72,36,36,14,4,10,4,113,72";
    for (int hole = 1; hole <= 18; ++hole) {
        columns += ",Par" + std::to_string(hole) + ",HCap" + std::to_string(hole);
        places += "," + std::to_string(3 + hole % 3) + "," + std::to_string(hole);
    }
    SQLite::Statement insert(db, "INSERT INTO tblClub (" + columns + ") VALUES (" + places + ")");
    for (int course = 0; course < courses; ++course) {
        insert.bind(1, "C" + std::to_string(course + 1));
        insert.bind(2, CourseName(course));
        insert.exec();
        insert.reset();
    }
}

void StoreGames(SQLite::Database& db, const Records& records) {
    SQLite::Statement insert(
        db,
        "INSERT INTO tblGames (GameID,GolferID,FullName,ClubID,Club,Tees,PlayDate,GrossScore,"
        "NetScore,Holes,CoursePar,ScoreOut,ParOut,ScoreIn,ParIn,Handicap,TotalFWays,Pars,Birds,"
        "Bogies,TotalPutts) VALUES (?,?,?,?,?,'White',?,?,?,18,72,?,36,?,36,12,14,9,2,5,31)");
    for (int game = 1; game <= records.games; ++game) {
        // Without courses the games name one no longer stored.
        const int golfer = game % std::max(records.golfers, 1);
        const int course = game % std::max(records.courses, 1);
        const int gross = 70 + game * 37 % 30;
        insert.bind(1, "G" + std::to_string(game));
        insert.bind(2, GolferId(golfer));
        insert.bind(3, GolferName(golfer));
        insert.bind(4, "C" + std::to_string(course + 1));
        insert.bind(5, CourseName(course));
        insert.bind(6, std::to_string(2010 + game % 15) + "-05-18 00:00:00");
        insert.bind(7, gross);
        insert.bind(8, gross - 12);
        insert.bind(9, gross / 2);
        insert.bind(10, gross - gross / 2);
        insert.exec();
        insert.reset();
    }
}

}  // namespace

void StoreRecords(const testing_support::ProgramFolder& folder, const Records& records) {
    SQLite::Database db = folder.Open();
    SQLite::Transaction transaction(db);
    StoreGolfers(db, records.golfers);
    StoreCourses(db, records.courses);
    StoreGames(db, records);
    transaction.commit();
}

const testing_support::ProgramFolder& FolderWith(const Records& records) {
    static std::map<std::tuple<int, int, int>, std::unique_ptr<testing_support::ProgramFolder>>
        folders;
    auto& folder = folders[{records.golfers, records.courses, records.games}];
    if (!folder) {
        folder = std::make_unique<testing_support::ProgramFolder>();
        StoreRecords(*folder, records);
    }
    return *folder;
}

}  // namespace bench_support
