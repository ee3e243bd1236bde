// Every Putt call opens and closes the database. This measures what that
// costs for the golfer list (1,000 golfers), the new game identifier and the
// two game list reads (1,000, 10,000 and 100,000 games), next to the same
// statement on an already-open connection.
//
//   build/bin/reads_bench
#include <benchmark/benchmark.h>

#include "bench/support/BenchRecords.h"
#include "tests/support/ScriptedPrompts.h"
#include "zeviza/Putt.h"

namespace {

const char* const kGolferList =
    "SELECT GolferID,FullName,LName,Category,Handicap FROM tblGolfer ORDER BY LName COLLATE "
    "READER;";
const char* const kNewGameID = "SELECT MAX(ID) AS [NewGameID] FROM tblGames";
const char* const kGameReview =
    "SELECT tblGames.GameID,tblGames.FullName,tblGames.PlayDate,tblGames.Club,"
    "tblGames.GrossScore,tblGames.NetScore,tblGames.Tees FROM tblGames,"
    "tblGolfer WHERE tblGames.GolferID = tblGolfer.GolferID;";

const testing_support::ProgramFolder& GolferFolder() {
    return bench_support::FolderWith({1000, 10, 1000});
}

const testing_support::ProgramFolder& GameFolder(const benchmark::State& state) {
    return bench_support::FolderWith({2, 500, static_cast<int>(state.range(0))});
}

// The same statement on a connection opened once, its rows read into a
// record set as Putt does, so the difference is the open and close of each call.
void BareQuery(benchmark::State& state, const testing_support::ProgramFolder& folder,
               const std::string& sql) {
    zeviza::Connection connection("Data Source=" + folder.Database().string() + ";");
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

void PuttRead(benchmark::State& state, const testing_support::ProgramFolder& folder,
              zeviza::RecordSetPtr (zeviza::Putt::*read)()) {
    testing_support::ScriptedPrompts quiet;
    zeviza::Putt putt(folder.Path());
    for (auto _ : state) {
        auto rows = (putt.*read)();
        state.counters["rows"] = static_cast<double>(rows->RecordCount());
        benchmark::DoNotOptimize(rows);
    }
}

void BareGolferList(benchmark::State& state) {
    BareQuery(state, GolferFolder(), kGolferList);
}
void PuttLoadGolferList(benchmark::State& state) {
    PuttRead(state, GolferFolder(), &zeviza::Putt::LoadGolferList);
}

void BareNewGameID(benchmark::State& state) {
    BareQuery(state, GameFolder(state), kNewGameID);
}
void PuttGetNewGameID(benchmark::State& state) {
    PuttRead(state, GameFolder(state), &zeviza::Putt::GetNewGameID);
}

// The review lists' narrow read next to its own statement, and next to the
// full game list read it replaces on those screens.
void BareGameReview(benchmark::State& state) {
    BareQuery(state, GameFolder(state), kGameReview);
}
void PuttLoadGameReview(benchmark::State& state) {
    PuttRead(state, GameFolder(state), &zeviza::Putt::LoadGameReview);
}
void PuttLoadDeleteGame(benchmark::State& state) {
    PuttRead(state, GameFolder(state), &zeviza::Putt::LoadDeleteGame);
}

// The open and close alone, around a query of an empty table.
void PuttOpenClose(benchmark::State& state) {
    zeviza::Putt putt(bench_support::FolderWith({2, 0, 1000}).Path());
    for (auto _ : state) {
        auto none = putt.RefreshClubs();
        benchmark::DoNotOptimize(none);
    }
}

void AtEachSize(benchmark::internal::Benchmark* bench) {
    for (int games : bench_support::kGameCounts) {
        bench->Arg(games);
    }
    bench->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BareGolferList)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttLoadGolferList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareNewGameID)->Apply(AtEachSize);
BENCHMARK(PuttGetNewGameID)->Apply(AtEachSize);
BENCHMARK(BareGameReview)->Apply(AtEachSize);
BENCHMARK(PuttLoadGameReview)->Apply(AtEachSize);
BENCHMARK(PuttLoadDeleteGame)->Apply(AtEachSize);
BENCHMARK(PuttOpenClose)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
