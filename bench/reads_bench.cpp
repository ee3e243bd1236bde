// Every Putt call opens and closes the database. This measures what that
// costs for the golfer list (1,000 golfers) and the new game identifier
// (10,000 games), next to the same query on an already-open connection.
#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "zeviza/Putt.h"

namespace {

const char* const kGolferList =
    "SELECT GolferID,FullName,LName,Category,Handicap FROM tblGolfer ORDER BY LName;";
const char* const kNewGameID = "SELECT MAX(ID) AS [NewGameID] FROM tblGames";

testing_support::ProgramFolder& Folder() {
    static testing_support::ProgramFolder folder;
    static bool filled = [] {
        auto db = folder.Open();
        SQLite::Transaction transaction(db);
        SQLite::Statement golfer(
            db,
            "INSERT INTO tblGolfer (GolferID, FName, LName, FullName, "
            "Category, Handicap) VALUES (?, 'First', ?, ?, 'Adult Male', 9.5)");
        for (int i = 1; i <= 1000; ++i) {
            golfer.bind(1, "D" + std::to_string(2 * i));
            golfer.bind(2, "Last" + std::to_string((i * 7919) % 1000));
            golfer.bind(3, "First Last" + std::to_string(i));
            golfer.exec();
            golfer.reset();
        }
        SQLite::Statement game(db,
                               "INSERT INTO tblGames (GameID, GolferID, FullName, Holes) "
                               "VALUES (?, 'D2', 'First Last1', 18)");
        for (int i = 1; i <= 10000; ++i) {
            game.bind(1, "G" + std::to_string(i));
            game.exec();
            game.reset();
        }
        transaction.commit();
        return true;
    }();
    (void)filled;
    return folder;
}

// The same query on a connection opened once, its rows read into a record
// set as Putt does, so the difference is the open and close of each call.
void BareQuery(benchmark::State& state, const char* sql) {
    zeviza::Connection connection("Data Source=" + Folder().Database().string() + ";");
    connection.Open();
    for (auto _ : state) {
        connection.BeginTrans();
        auto rows = connection.Execute(sql);
        connection.CommitTrans();
        state.counters["rows"] = static_cast<double>(rows->RecordCount());
        benchmark::DoNotOptimize(rows);
    }
    connection.Close();
}

void BareGolferList(benchmark::State& state) {
    BareQuery(state, kGolferList);
}
void BareNewGameID(benchmark::State& state) {
    BareQuery(state, kNewGameID);
}

void PuttLoadGolferList(benchmark::State& state) {
    zeviza::Putt putt(Folder().Path());
    for (auto _ : state) {
        auto list = putt.LoadGolferList();
        state.counters["rows"] = static_cast<double>(list->RecordCount());
        benchmark::DoNotOptimize(list);
    }
}

void PuttGetNewGameID(benchmark::State& state) {
    testing_support::ScriptedPrompts quiet;
    zeviza::Putt putt(Folder().Path());
    for (auto _ : state) {
        auto id = putt.GetNewGameID();
        benchmark::DoNotOptimize(id);
    }
}

// The open and close alone, around a query of an empty table.
void PuttOpenClose(benchmark::State& state) {
    zeviza::Putt putt(Folder().Path());
    for (auto _ : state) {
        auto none = putt.RefreshClubs();
        benchmark::DoNotOptimize(none);
    }
}

BENCHMARK(BareGolferList)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttLoadGolferList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareNewGameID)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttGetNewGameID)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttOpenClose)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
