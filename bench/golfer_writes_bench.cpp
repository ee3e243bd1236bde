// Adding a golfer, and changing one who has 100 or 10,000 games (the change
// reaches every game), through Putt's array form, which callers of every
// version use, next to a bare SQLite transaction running the same statements
// on a connection that is already open.
//
//   TMPDIR=/dev/shm build/bin/golfer_writes_bench
// On a disk each commit's synchronous writes swamp the rest; in memory the
// figures show the library's own cost.
#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "bench/support/OncePerSize.h"
#include "tests/support/ProgramFolder.h"
#include "zeviza/Putt.h"

namespace {

const char* const kProfile[] = {"FName",     "MName",        "LName",    "Address",   "City",
                                "State",     "Zip",          "HPhone",   "CPhone",    "WPhone",
                                "Club",      "ClubAddress",  "ClubCity", "ClubState", "ClubZip",
                                "ClubPhone", "ClubProPhone", "Notes"};

// FName to Notes, then the slots each write takes after them.
zeviza::TextArray Profile(int version) {
    zeviza::TextArray text = {"Tom",         "S",           "Watson",
                              "1 Main St",   "Kansas City", "MO",
                              "64101",       "555-0100",    "555-0101",
                              "555-0102",    "Home Links",  "2 Club Rd",
                              "Kansas City", "MO",          "64102",
                              "555-0103",    "555-0104",    "Note " + std::to_string(version)};
    return text;
}

zeviza::TextArray NewGolfer(const std::string& id) {
    zeviza::TextArray text = Profile(0);
    text.insert(text.end(), {id, "Tom Watson", "Male", "Amateur"});
    return text;
}

zeviza::TextArray ChangedGolfer(int version) {
    zeviza::TextArray text = Profile(version);
    text.insert(text.end(), {"Tom Watson", "Male", version % 2 == 0 ? "Amateur" : "Senior"});
    return text;
}

// Golfer D2 with `games` games, kept for the run.
class Stored {
  public:
    explicit Stored(int games) {
        zeviza::Putt putt(folder_.Path());
        zeviza::TextArray golfer = NewGolfer("D2");
        putt.AddGolfer(golfer, 40, 12.5f);
        folder_.Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                     std::to_string(games) +
                     ") INSERT INTO tblGames (GameID, GolferID, FullName, Handicap, Category) "
                     "SELECT 'G' || i, 'D2', 'Tom Watson', 12.5, 'Amateur' FROM n");
        db_ = std::make_unique<SQLite::Database>(folder_.Open());
    }
    const testing_support::ProgramFolder& Folder() const { return folder_; }
    SQLite::Database& Db() { return *db_; }

  private:
    testing_support::ProgramFolder folder_;
    std::unique_ptr<SQLite::Database> db_;
};

Stored& WithGames(int games) {
    return bench_support::OncePerSize<Stored>(games);
}

void BindProfile(SQLite::Statement& statement, const zeviza::TextArray& text, int& index) {
    for (std::size_t slot = 0; slot < std::size(kProfile); ++slot) {
        statement.bind(index++, text[slot]);
    }
}

std::string ProfileColumns(const char* separator, const char* after) {
    std::string columns;
    for (const char* column : kProfile) {
        columns += std::string(column) + after + separator;
    }
    return columns;
}

void BareAddGolfer(benchmark::State& state) {
    Stored& stored = WithGames(0);
    std::string placeholders = "?";
    for (std::size_t i = 1; i < 1 + std::size(kProfile) + 5; ++i) {
        placeholders += ",?";
    }
    const std::string sql = "INSERT INTO tblGolfer (GolferID," + ProfileColumns(",", "") +
                            "Age,Handicap,Sex,Category,FullName) VALUES (" + placeholders + ");";
    static int next = 1000;  // the benchmark runs this body more than once
    for (auto _ : state) {
        const zeviza::TextArray text = NewGolfer("B" + std::to_string(next++));
        SQLite::Transaction transaction(stored.Db());
        SQLite::Statement insert(stored.Db(), sql);
        int index = 1;
        insert.bind(index++, text[18]);
        BindProfile(insert, text, index);
        insert.bind(index++, 40);
        insert.bind(index++, 12.5);
        insert.bind(index++, text[20]);
        insert.bind(index++, text[21]);
        insert.bind(index++, text[19]);
        insert.exec();
        transaction.commit();
    }
}

void PuttAddGolfer(benchmark::State& state) {
    Stored& stored = WithGames(0);
    zeviza::Putt putt(stored.Folder().Path());
    static int next = 1000;  // the benchmark runs this body more than once
    for (auto _ : state) {
        zeviza::TextArray text = NewGolfer("P" + std::to_string(next++));
        benchmark::DoNotOptimize(putt.AddGolfer(text, 40, 12.5f));
    }
}

void BareUpdateGolfer(benchmark::State& state) {
    Stored& stored = WithGames(static_cast<int>(state.range(0)));
    const std::string golferSql = "UPDATE tblGolfer SET " + ProfileColumns(",", " = ?") +
                                  "Age = ?, Handicap = ?, Sex = ?, Category = ?, FullName = ?, "
                                  "ModDate = ? WHERE GolferID = ?;";
    const char* gamesSql =
        "UPDATE tblGames SET Handicap = ?, Category = ?, FullName = ? WHERE GolferID = ?;";
    int version = 0;
    for (auto _ : state) {
        const zeviza::TextArray text = ChangedGolfer(++version);
        const double handicap = version % 2 == 0 ? 12.5 : 13.5;
        SQLite::Transaction transaction(stored.Db());
        SQLite::Statement golfer(stored.Db(), golferSql);
        int index = 1;
        BindProfile(golfer, text, index);
        golfer.bind(index++, 40);
        golfer.bind(index++, handicap);
        golfer.bind(index++, text[19]);
        golfer.bind(index++, text[20]);
        golfer.bind(index++, text[18]);
        golfer.bind(index++, "2026-12-10 12:00:00");
        golfer.bind(index, "D2");
        golfer.exec();
        SQLite::Statement games(stored.Db(), gamesSql);
        games.bind(1, handicap);
        games.bind(2, text[20]);
        games.bind(3, text[18]);
        games.bind(4, "D2");
        games.exec();
        transaction.commit();
    }
}

void PuttUpdateGolfer(benchmark::State& state) {
    Stored& stored = WithGames(static_cast<int>(state.range(0)));
    zeviza::Putt putt(stored.Folder().Path());
    int version = 0;
    for (auto _ : state) {
        zeviza::TextArray text = ChangedGolfer(++version);
        std::string id = "D2";
        benchmark::DoNotOptimize(putt.UpdateGolfer(text, 40, version % 2 == 0 ? 12.5f : 13.5f, id));
    }
}

}  // namespace

BENCHMARK(BareAddGolfer)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttAddGolfer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareUpdateGolfer)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttUpdateGolfer)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
