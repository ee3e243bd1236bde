// The whole scoring record and index history of a golfer with 10,000 rounds,
// read through Putt and worked by the handicap rules, next to a bare SQLite
// read of the same rows on an open connection.
#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include "data/src/HandicapReadsSql.h"
#include "handicap/RecordReader.h"
#include "tests/handicap/RoundSample.h"
#include "tests/handicap/StoredRounds.h"
#include "tests/support/ProgramFolder.h"

namespace {

constexpr int kRounds = 10000;

const char* const kSameRows = zeviza::detail::kLoadHandicapRounds;

testing_support::ProgramFolder& Folder() {
    static testing_support::ProgramFolder folder;
    static bool filled = [] {
        auto db = folder.Open();
        SQLite::Transaction transaction(db);
        handicap_test::StoreGolfer(db, "D2", "Ann Fairway");
        handicap_test::StoreGolfer(db, "D4", "Bob Bunker");
        handicap_test::StoreCourse(db, "C2", "Pine Hills", "White", 70.4, 130);
        handicap_test::StoreCourse(db, "C4", "Lakeside", "Blue", 72.3, 124);
        handicap_test::GameStore games(db);
        for (int i = 0; i < kRounds; ++i) {
            const handicap_test::Course course =
                i % 3 == 0 ? handicap_test::Course{"C4", 723, 124} : handicap_test::Course{};
            const std::string day = handicap_test::Day(i / 3);
            handicap::Round round = i % 7 == 0
                                        ? handicap_test::Round9(i % 2 == 0, 40 + i % 9, day, course)
                                        : handicap_test::Round18(80 + (i * 7) % 23, day, course);
            round.gameId = "G" + std::to_string(2 * i + 1);
            games.Store("D2", round);
            // Another golfer's games interleaved, so the read has to pick.
            round.gameId = "G" + std::to_string(2 * i + 2);
            games.Store("D4", round);
        }
        transaction.commit();
        return true;
    }();
    (void)filled;
    return folder;
}

void BareSqliteRead(benchmark::State& state) {
    SQLite::Database db(Folder().Database().string(), SQLite::OPEN_READONLY);
    for (auto _ : state) {
        SQLite::Statement query(db, kSameRows);
        query.bind(1, "D2");
        std::int64_t sum = 0;
        std::size_t rows = 0;
        std::vector<std::string> texts;
        while (query.executeStep()) {
            ++rows;
            for (int column = 0; column < query.getColumnCount(); ++column) {
                const SQLite::Column value = query.getColumn(column);
                if (value.isText()) {
                    texts.push_back(value.getString());
                } else {
                    sum += value.getInt64();
                }
            }
        }
        state.counters["rows"] = static_cast<double>(rows);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(texts);
    }
}

void PuttScoringRecord(benchmark::State& state) {
    zeviza::Putt putt(Folder().Path());
    for (auto _ : state) {
        const auto record = handicap::LoadScoringRecord(putt, "D2");
        state.counters["rows"] = static_cast<double>(record.entries.size());
        state.counters["indexes"] = static_cast<double>(record.history.size());
        benchmark::DoNotOptimize(record);
    }
}

// The rules alone, on rounds already in memory.
void RulesOnly(benchmark::State& state) {
    zeviza::Putt putt(Folder().Path());
    const auto rounds = handicap::ReadRounds(putt, "D2");
    for (auto _ : state) {
        const auto record = handicap::BuildScoringRecord(rounds);
        benchmark::DoNotOptimize(record);
    }
}

BENCHMARK(BareSqliteRead)->Unit(benchmark::kMillisecond);
BENCHMARK(PuttScoringRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(RulesOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
