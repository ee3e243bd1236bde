// Every Putt call opens and closes the database. This measures what that
// costs for the golfer list (1,000 golfers) and the new game identifier
// (10,000 games), next to the same query on an already-open connection.
#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include "ProgramFolder.h"
#include "ScriptedPrompts.h"
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
        SQLite::Statement golfer(db,
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

// The same query on a connection opened once, rows read into memory as the
// record set does.
void BareQuery(benchmark::State& state, const char* sql) {
    SQLite::Database db(Folder().Database().string(), SQLite::OPEN_READWRITE);
    for (auto _ : state) {
        SQLite::Transaction transaction(db);
        SQLite::Statement query(db, sql);
        std::vector<zeviza::Value> cells;
        while (query.executeStep()) {
            for (int c = 0; c < query.getColumnCount(); ++c) {
                const SQLite::Column column = query.getColumn(c);
                if (column.isInteger()) {
                    cells.emplace_back(static_cast<std::int64_t>(column.getInt64()));
                } else if (column.isFloat()) {
                    cells.emplace_back(column.getDouble());
                } else if (column.isNull()) {
                    cells.emplace_back();
                } else {
                    cells.emplace_back(column.getString());
                }
            }
        }
        transaction.commit();
        benchmark::DoNotOptimize(cells);
    }
}

void BareGolferList(benchmark::State& state) { BareQuery(state, kGolferList); }
void BareNewGameID(benchmark::State& state) { BareQuery(state, kNewGameID); }

void PuttLoadGolferList(benchmark::State& state) {
    zeviza::Putt putt(Folder().Path());
    for (auto _ : state) {
        auto list = putt.LoadGolferList();
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
