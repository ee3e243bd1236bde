// The start-up care of the database and Clean on long texts, each next to a
// baseline measured in the same run:
// - the integrity check of a file holding 10,000 games, next to reading the
//   same file's bytes into memory (what any look at every page must cost);
// - one backup of that file, next to the same plain byte read;
// - Clean on 1 MB with an apostrophe in every eighth character, next to a
//   plain std::string copy of the same text.
#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "tests/support/ProgramFolder.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;

constexpr int kGames = 10000;
const Course kCourse{"C2", "Pebble Beach", StandardPars()};

// A program folder whose database holds kGames games of one golfer: the first
// recorded through Putt, the rest copies of its row.
class TenThousandGames {
  public:
    TenThousandGames() {
        zeviza::Putt putt(folder_.Path());
        AddGolfer(putt, "D2", "Tom", "Watson");
        AddCourse(putt, kCourse);
        auto first = MakeGame("G1", "D2", "Tom Watson", kCourse, ParScores(kCourse, 18, 7), 3);
        first.Add(putt);
        auto db = folder_.Open();
        SQLite::Transaction transaction(db);
        db.exec("CREATE TEMP TABLE Template AS SELECT * FROM tblGames WHERE GameID = 'G1'");
        for (int game = 2; game <= kGames; ++game) {
            SQLite::Statement rename(db, "UPDATE Template SET ID = NULL, GameID = ?");
            rename.bind(1, "G" + std::to_string(game));
            rename.exec();
            db.exec("INSERT INTO tblGames SELECT * FROM Template");
        }
        transaction.commit();
    }
    const testing_support::ProgramFolder& Folder() const { return folder_; }

  private:
    testing_support::ProgramFolder folder_;
};

const TenThousandGames& Stored() {
    static const auto stored = std::make_unique<TenThousandGames>();
    return *stored;
}

void IntegrityCheck(benchmark::State& state) {
    const auto file = Stored().Folder().Database();
    for (auto _ : state) {
        auto report = zeviza::CheckDatabaseFile(file);
        benchmark::DoNotOptimize(report);
        if (report.damaged) {
            state.SkipWithError("the file reads as damaged");
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}
BENCHMARK(IntegrityCheck)->Unit(benchmark::kMillisecond);

void Backup(benchmark::State& state) {
    const auto& folder = Stored().Folder();
    auto now = std::chrono::system_clock::now();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(zeviza::BackupFolder(folder.Path()));
        now += std::chrono::seconds(1);
        state.ResumeTiming();
        auto outcome = zeviza::BackUpWhenChanged(folder.Path(), {.now = now, .freeSpace = {}});
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(Backup)->Unit(benchmark::kMillisecond);

void BaselineReadFileBytes(benchmark::State& state) {
    const auto file = Stored().Folder().Database();
    for (auto _ : state) {
        auto bytes = testing_support::ReadFile(file);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BaselineReadFileBytes)->Unit(benchmark::kMillisecond);

std::string OneMegabyteWithApostrophes() {
    std::string text;
    while (text.size() < (1u << 20)) {
        text += "O'Neil d";
    }
    return text;
}

void CleanOneMegabyte(benchmark::State& state) {
    const std::string text = OneMegabyteWithApostrophes();
    testing_support::ProgramFolder folder;
    zeviza::Putt putt(folder.Path());
    for (auto _ : state) {
        std::string copy = text;
        benchmark::DoNotOptimize(putt.Clean(copy));
    }
}
BENCHMARK(CleanOneMegabyte)->Unit(benchmark::kMillisecond);

void BaselineCopyOneMegabyte(benchmark::State& state) {
    const std::string text = OneMegabyteWithApostrophes();
    for (auto _ : state) {
        std::string copy = text;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BaselineCopyOneMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
