// CSV export and import of 10,000 games, each next to a bare baseline timed
// in the same run:
//
// - export: Putt's streamed read and the CSV text written to a file, next to
//   bare SQLite reading the same columns of the same rows with one statement
//   and writing them with plain fprintf (no quoting);
// - import: reading, checking (the game entry rules) and storing 10,000
//   games in one unit of work, next to bare SQLite running what AddGame runs
//   for each game (the row inserted, the golfer's sums and averages updated)
//   10,000 times inside one transaction.
//
// Prints the medians of five rounds and their ratios. On a disk the commit's
// synchronous writes count too; TMPDIR=/dev/shm shows the program's own cost.
#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WritesSupport.h"
#include "transfer/rules/ExportText.h"
#include "transfer/rules/ImportPlan.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;
using Clock = std::chrono::steady_clock;

constexpr int kGames = 10000;
constexpr int kRounds = 5;
const std::chrono::year_month_day kToday{std::chrono::year(2030) / 1 / 1};
const Course kCourse{"C2", "Pebble Beach", StandardPars()};

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename Setup, typename Work>
double Timed(Setup&& setup, Work&& work) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        auto state = setup();
        const auto start = Clock::now();
        work(*state);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

// A golfer, a course and one game recorded through the library.
void StoreFirstGame(zeviza::Putt& putt) {
    AddGolfer(putt, "D2", "Tom", "Watson");
    AddCourse(putt, kCourse);
    auto first = MakeGame("G1", "D2", "Tom Watson", kCourse, ParScores(kCourse, 18, 7), 3);
    first.playDate = "2024-05-18 00:00:00";
    first.Add(putt);
}

// The first game's export row, 10,000 times, without identifiers.
std::string GamesFile(zeviza::Putt& putt) {
    std::string error;
    const auto table =
        csv::ReadText(parlow::transfer::ExportCsv(putt, zeviza::Putt::ExportKind::Games), error);
    std::vector<std::string> row = table->rows.at(0);
    row[*table->ColumnOf("GameID")] = "";
    std::string text = csv::Record(table->header);
    for (int i = 0; i < kGames; ++i) {
        text += csv::Record(row);
    }
    return text;
}

struct Log {
    testing_support::ProgramFolder folder;
};

std::unique_ptr<Log> FreshLog() {
    auto log = std::make_unique<Log>();
    zeviza::Putt putt(log->folder.Path());
    StoreFirstGame(putt);
    return log;
}

bool Import(const testing_support::ProgramFolder& folder, const std::string& file) {
    zeviza::Putt putt(folder.Path());
    auto plan =
        parlow::transfer::PlanImportOfFile(putt, parlow::transfer::ImportKind::Games, file, kToday);
    return parlow::transfer::CarryOutImport(putt, plan);
}

// What AddGame runs for one game, on an open connection: the row, the
// golfer's sums, the averages.
void BareAddGame(SQLite::Database& db, int number) {
    SQLite::Statement rename(db, "UPDATE Template SET ID = NULL, GameID = ?");
    rename.bind(1, "G" + std::to_string(number));
    rename.exec();
    db.exec("INSERT INTO tblGames SELECT * FROM Template");
    SQLite::Statement sums(
        db,
        "UPDATE tblGolfer SET Games = Games + 1, Games18 = Games18 + 1, Holes = Holes + 18, "
        "Holes18 = Holes18 + 18, TotalGross = TotalGross + ?, TotalNet = TotalNet + ?, "
        "TotalGross18 = TotalGross18 + ?, TotalNet18 = TotalNet18 + ?, TotalPutts = TotalPutts "
        "+ ?, TotalPutts18 = TotalPutts18 + ?, Pars = Pars + ?, Bogies = Bogies + ?, "
        "FWaysLeft = FWaysLeft + ?, GreensLeft = GreensLeft + ?, PuttsLeft = PuttsLeft + ?, "
        "Par3Score = Par3Score + ?, Par4Score = Par4Score + ?, Par5Score = Par5Score + ?, "
        "Par318 = Par318 + ?, Par418 = Par418 + ?, Par518 = Par518 + ? WHERE GolferID = ?");
    for (int i = 1; i <= 17; ++i) {
        sums.bind(i, 3 + i);
    }
    sums.bind(18, "D2");
    sums.exec();
    SQLite::Statement averages(
        db,
        "UPDATE tblGolfer SET Par3Avg = CASE WHEN Par318 = 0 THEN 0 ELSE 1.0 * Par3Score / "
        "Par318 END, Par4Avg = CASE WHEN Par418 = 0 THEN 0 ELSE 1.0 * Par4Score / Par418 END, "
        "Par5Avg = CASE WHEN Par518 = 0 THEN 0 ELSE 1.0 * Par5Score / Par518 END, "
        "GrossStroke18Avg = CASE WHEN Holes18 = 0 THEN 0 ELSE 1.0 * TotalGross18 / Holes18 END, "
        "NetStroke18Avg = CASE WHEN Holes18 = 0 THEN 0 ELSE 1.0 * TotalNet18 / Holes18 END "
        "WHERE GolferID = ?");
    averages.bind(1, "D2");
    averages.exec();
}

// The export's columns, read bare and written with fprintf, no quoting.
void BareExport(const std::filesystem::path& database, const std::string& columns,
                const std::filesystem::path& out) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    const std::string sql = "SELECT " + columns + " FROM tblGames ORDER BY ID";
    sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
    std::FILE* file = std::fopen(out.c_str(), "wb");
    std::fprintf(file, "%s\r\n", columns.c_str());
    const int count = sqlite3_column_count(statement);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < count; ++c) {
            const unsigned char* text = sqlite3_column_text(statement, c);
            std::fprintf(file, c == 0 ? "%s" : ",%s",
                         text == nullptr ? "" : reinterpret_cast<const char*>(text));
        }
        std::fprintf(file, "\r\n");
    }
    std::fclose(file);
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

}  // namespace

int main() {
    // One log of 10,000 games, made by the import itself, serves the exports.
    auto big = FreshLog();
    zeviza::Putt bigPutt(big->folder.Path());
    const std::filesystem::path file = big->folder.Path() / "games.csv";
    std::ofstream(file, std::ios::binary) << GamesFile(bigPutt);
    if (!Import(big->folder, file.string())) {
        std::fprintf(stderr, "the import of %d games failed\n", kGames);
        return 1;
    }
    const std::string exported =
        parlow::transfer::ExportCsv(bigPutt, zeviza::Putt::ExportKind::Games);
    const std::string columns = exported.substr(0, exported.find("\r\n"));
    const auto noState = [] { return std::make_unique<int>(0); };
    const std::filesystem::path out = big->folder.Path() / "out.csv";

    const double putt = Timed(noState, [&](int&) {
        std::string error;
        csv::WriteFile(out, parlow::transfer::ExportCsv(bigPutt, zeviza::Putt::ExportKind::Games),
                       error);
    });
    const double bare =
        Timed(noState, [&](int&) { BareExport(big->folder.Database(), columns, out); });

    const double import = Timed(FreshLog, [&](Log& log) { Import(log.folder, file.string()); });
    const double checks = Timed(FreshLog, [&](Log& log) {
        zeviza::Putt putt(log.folder.Path());
        parlow::transfer::PlanImportOfFile(putt, parlow::transfer::ImportKind::Games, file.string(),
                                           kToday);
    });
    const double bareAdds = Timed(FreshLog, [&](Log& log) {
        SQLite::Database db = log.folder.Open();
        db.exec("PRAGMA synchronous=FULL; PRAGMA journal_mode=DELETE;");
        SQLite::Transaction transaction(db);
        db.exec("CREATE TEMP TABLE Template AS SELECT * FROM tblGames WHERE GameID = 'G1'");
        for (int i = 2; i <= kGames + 1; ++i) {
            BareAddGame(db, i);
        }
        transaction.commit();
    });

    std::printf("%d games, median of %d rounds\n", kGames, kRounds);
    std::printf("%-58s %9.1f ms\n", "export: Putt streamed read + CSV text + file", putt);
    std::printf("%-58s %9.1f ms\n", "export baseline: bare SQLite read + fprintf", bare);
    std::printf("%-58s %9.2f x\n", "export ratio", putt / bare);
    std::printf("%-58s %9.1f ms\n", "import: read + checks + one unit of work", import);
    std::printf("%-58s %9.1f ms\n", "  of which read + checks, nothing stored", checks);
    std::printf("%-58s %9.1f ms\n", "import baseline: AddGame's statements x N, one transaction",
                bareAdds);
    std::printf("%-58s %9.2f x\n", "import ratio", import / bareAdds);
    return 0;
}
