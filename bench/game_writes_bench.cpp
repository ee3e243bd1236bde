// Recording, replacing and removing a game for a golfer who already has 100
// or 10,000 games, next to a bare SQLite transaction running the same
// statements on a connection that is already open. The difference is what the unit of
// work adds: opening the database (and reading its schema) and closing it
// again around every call. Neither should grow with the games already stored.
//
// On a disk the time of each commit's synchronous writes swamps everything
// else; with TMPDIR=/dev/shm the figures show the library's own cost.
#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "bench/support/OncePerSize.h"
#include "tests/data/GameArrays.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Prompts.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;

const Course kCourse{"C2", "Pebble Beach", StandardPars()};

// Every removal question is answered Yes.
class AlwaysYes : public zeviza::Prompts {
  public:
    AlwaysYes() { zeviza::InstallPrompts(this); }
    ~AlwaysYes() override { zeviza::InstallPrompts(nullptr); }
    zeviza::Answer Show(const zeviza::Box&) override { return zeviza::Answer::Yes; }
};

// GCC 12 misreads "G" + std::to_string(n) as an overlapping copy.
std::string Id(const char* prefix, int number) {
    std::string id = prefix;
    id += std::to_string(number);
    return id;
}

Game NewGame(const std::string& id) {
    return MakeGame(id, "D2", "Tom Watson", kCourse, ParScores(kCourse, 18, 7), 3);
}

// A golfer with `games` games stored, the first one recorded through Putt and
// copied for the rest.
class Stored {
  public:
    explicit Stored(int games) {
        zeviza::Putt putt(folder_.Path());
        AddGolfer(putt, "D2", "Tom", "Watson");
        AddCourse(putt, kCourse);
        auto first = NewGame("G0");
        first.Add(putt);
        db_ = std::make_unique<SQLite::Database>(folder_.Open());
        SQLite::Transaction transaction(*db_);
        db_->exec("CREATE TEMP TABLE Template AS SELECT * FROM tblGames WHERE GameID = 'G0'");
        for (int i = 1; i < games; ++i) {
            CopyTemplate(Id("G", i));
        }
        transaction.commit();
    }

    const testing_support::ProgramFolder& Folder() const { return folder_; }
    SQLite::Database& Db() { return *db_; }

    void CopyTemplate(const std::string& id) {
        SQLite::Statement rename(*db_, "UPDATE Template SET ID = NULL, GameID = ?");
        rename.bind(1, id);
        rename.exec();
        db_->exec("INSERT INTO tblGames SELECT * FROM Template");
    }
    void Remove(const std::string& id) {
        SQLite::Statement remove(*db_, "DELETE FROM tblGames WHERE GameID = ?");
        remove.bind(1, id);
        remove.exec();
    }

  private:
    testing_support::ProgramFolder folder_;
    std::unique_ptr<SQLite::Database> db_;
};

Stored& WithGames(int games) {
    return bench_support::OncePerSize<Stored>(games);
}

// --- the bare transaction: the same statements, prepared and bound per call ---

const char* const kMovedColumns[] = {
    "Games",          "TotalGross",   "TotalNet",     "Aces",        "DEagles",    "Eagles",
    "Birds",          "Pars",         "Bogies",       "DBogies",     "TBogies",    "QBogies",
    "Others",         "FWaysLeft",    "FWaysRight",   "FWaysMissed", "GreensLeft", "GreensRight",
    "GreensLong",     "GreensShort",  "GreensMissed", "PuttsLeft",   "PuttsRight", "PuttsLong",
    "PuttsShort",     "PuttsMissed",  "TotalPutts",   "SandSaves",   "UpDowns",    "Par3Score",
    "Par4Score",      "Par5Score",    "Games18",      "Holes",       "Holes18",    "TotalPutts18",
    "GrossStrokes18", "NetStrokes18", "TotalGross18", "TotalNet18",  "Par318",     "Par418",
    "Par518"};

const char* const kAverages =
    "UPDATE tblGolfer SET "
    "Par3Avg = CASE WHEN Par318 = 0 THEN 0 ELSE Par3Score * 1.0 / Par318 END,"
    "Par4Avg = CASE WHEN Par418 = 0 THEN 0 ELSE Par4Score * 1.0 / Par418 END,"
    "Par5Avg = CASE WHEN Par518 = 0 THEN 0 ELSE Par5Score * 1.0 / Par518 END,"
    "GrossStroke18Avg = CASE WHEN Holes18 = 0 THEN 0 ELSE TotalGross18 * 1.0 / Holes18 END,"
    "NetStroke18Avg = CASE WHEN Holes18 = 0 THEN 0 ELSE TotalNet18 * 1.0 / Holes18 END "
    "WHERE GolferID = ?;";

// The game columns its golfer's share is read from.
const std::string kShareColumns =
    "GolferID,Holes,GrossScore,NetScore,"
    "TotalPutts,Aces,DEagles,Eagles,Birds,Pars,Bogies,DBogies,TBogies,QBogies,Others,"
    "FWaysLeft,FWaysRight,FWaysMissed,GreensLeft,GreensRight,GreensLong,GreensShort,"
    "GreensMissed,PuttsLeft,PuttsRight,PuttsLong,PuttsShort,PuttsMissed,SandSaves,UpDowns,"
    "Par3Scr,Par4Scr,Par5Scr,Par318,Par418,Par518";
// The removal reads the game's figures from the delete itself.
const std::string kRemoveReturning =
    "DELETE FROM tblGames WHERE GameID = ? RETURNING " + kShareColumns + ";";

void MoveTotals(SQLite::Database& db, const char* sign) {
    std::string sql = "UPDATE tblGolfer SET ";
    for (const char* column : kMovedColumns) {
        sql += std::string(column) + " = " + column + sign + "?,";
    }
    sql.back() = ' ';
    sql += "WHERE GolferID = ?;";
    SQLite::Statement update(db, sql);
    int index = 1;
    for (std::size_t i = 0; i < std::size(kMovedColumns); ++i) {
        update.bind(index++, static_cast<int>(i % 7));
    }
    update.bind(index, "D2");
    update.exec();
}

void RecomputeStrokeAverages(SQLite::Database& db) {
    SQLite::Statement averages(db,
                               "UPDATE tblGolfer SET GrossStroke18Avg = CASE WHEN Holes18 = 0 "
                               "THEN 0 ELSE TotalGross18 * 1.0 / Holes18 END,NetStroke18Avg = "
                               "CASE WHEN Holes18 = 0 THEN 0 ELSE TotalNet18 * 1.0 / Holes18 END "
                               "WHERE GolferID = ?;");
    averages.bind(1, "D2");
    averages.exec();
}

void RecomputeAverages(SQLite::Database& db) {
    SQLite::Statement averages(db, kAverages);
    averages.bind(1, "D2");
    averages.exec();
}

// The full game row, every column bound, as the recording writes it.
class GameRow {
  public:
    explicit GameRow(SQLite::Database& db) {
        SQLite::Statement row(db, "SELECT * FROM Template");
        row.executeStep();
        std::string names;
        std::string marks;
        // Column 0 is the row number the engine assigns.
        for (int c = 1; c < row.getColumnCount(); ++c) {
            names += std::string(c == 1 ? "" : ",") + row.getColumnName(c);
            names_.emplace_back(row.getColumnName(c));
            marks += c == 1 ? "?" : ",?";
            const auto column = row.getColumn(c);
            if (column.isInteger()) {
                values_.emplace_back(static_cast<std::int64_t>(column.getInt64()));
            } else if (column.isFloat()) {
                values_.emplace_back(column.getDouble());
            } else {
                values_.emplace_back(column.getString());
            }
        }
        sql_ = "INSERT INTO tblGames (" + names + ") VALUES (" + marks + ");";
    }

    // The same row written over the stored game gameID, its GameID kept.
    void Update(SQLite::Database& db, const std::string& gameID) const {
        SQLite::Statement update(db, UpdateSql());
        for (std::size_t i = 1; i < values_.size(); ++i) {
            Bind(update, static_cast<int>(i), values_[i]);
        }
        update.bind(static_cast<int>(values_.size()), gameID);
        update.exec();
    }

    void Insert(SQLite::Database& db, const std::string& gameID) const {
        SQLite::Statement insert(db, sql_);
        insert.bind(1, gameID);
        for (std::size_t i = 1; i < values_.size(); ++i) {
            const int index = static_cast<int>(i + 1);
            const auto& value = values_[i];
            if (value.IsInteger()) {
                insert.bind(index, static_cast<int64_t>(value.ToInt()));
            } else if (value.IsReal()) {
                insert.bind(index, value.ToDouble());
            } else {
                insert.bind(index, value.ToText());
            }
        }
        insert.exec();
    }

  private:
    static void Bind(SQLite::Statement& statement, int index, const zeviza::Value& value) {
        if (value.IsInteger()) {
            statement.bind(index, static_cast<int64_t>(value.ToInt()));
        } else if (value.IsReal()) {
            statement.bind(index, value.ToDouble());
        } else {
            statement.bind(index, value.ToText());
        }
    }
    std::string UpdateSql() const {
        std::string sql = "UPDATE tblGames SET ";
        for (std::size_t i = 1; i < names_.size(); ++i) {
            sql += (i == 1 ? "" : ",") + names_[i] + " = ?";
        }
        return sql + " WHERE GameID = ?;";
    }

    std::string sql_;
    std::vector<std::string> names_;
    std::vector<zeviza::Value> values_;
};

void BareAddGame(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    auto& db = stored.Db();
    const GameRow row(db);
    int n = 0;
    for (auto _ : state) {
        const std::string id = Id("GB", ++n);
        SQLite::Transaction transaction(db);
        row.Insert(db, id);
        MoveTotals(db, " + ");
        RecomputeAverages(db);
        transaction.commit();
        state.PauseTiming();
        stored.Remove(id);
        state.ResumeTiming();
    }
}

void PuttAddGame(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    zeviza::Putt putt(stored.Folder().Path());
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto game = NewGame(Id("GP", ++n));
        state.ResumeTiming();
        if (!game.Add(putt)) {
            state.SkipWithError("AddGame failed");
        }
        state.PauseTiming();
        stored.Remove(game.gameId);
        state.ResumeTiming();
    }
}

// The same call through the array adapter, as callers written against the
// arrays make it.
void PuttAddGameArrays(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    zeviza::Putt putt(stored.Folder().Path());
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto game = game_arrays::ArraysOf(NewGame(Id("GA", ++n)));
        state.ResumeTiming();
        if (!game.Add(putt)) {
            state.SkipWithError("AddGame failed");
        }
        state.PauseTiming();
        stored.Remove(game.strGameID);
        state.ResumeTiming();
    }
}

void BareDeleteGame(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    auto& db = stored.Db();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string id = Id("GR", ++n);
        stored.CopyTemplate(id);
        state.ResumeTiming();
        SQLite::Transaction transaction(db);
        SQLite::Statement remove(db, kRemoveReturning);
        remove.bind(1, id);
        while (remove.executeStep()) {
        }
        MoveTotals(db, " - ");
        RecomputeAverages(db);
        transaction.commit();
    }
}

void PuttDeleteGame(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    AlwaysYes yes;
    zeviza::Putt putt(stored.Folder().Path());
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string id = Id("GD", ++n);
        stored.CopyTemplate(id);
        auto removal = RemovalOf(stored.Db(), id);
        state.ResumeTiming();
        if (!removal.Run(putt)) {
            state.SkipWithError("DeleteGame failed");
        }
    }
}

// What the replacement reads in its transaction before it writes: the row as
// shown, the course, and the stored game's figures.
void ReadBeforeReplacing(SQLite::Database& db, const std::string& gameID) {
    SQLite::Statement shown(db, "SELECT * FROM tblGames WHERE GameID = ?;");
    shown.bind(1, gameID);
    shown.executeStep();
    SQLite::Statement course(db, "SELECT 1 FROM tblClub WHERE ClubID = ? LIMIT 1;");
    course.bind(1, kCourse.id);
    course.executeStep();
    SQLite::Statement figures(db, "SELECT " + kShareColumns + " FROM tblGames WHERE GameID = ?;");
    figures.bind(1, gameID);
    while (figures.executeStep()) {
    }
}

void BareReplaceGame(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    auto& db = stored.Db();
    const GameRow row(db);
    const std::string id = "G5";
    for (auto _ : state) {
        SQLite::Transaction transaction(db);
        ReadBeforeReplacing(db, id);
        MoveTotals(db, " - ");
        RecomputeAverages(db);
        row.Update(db, id);
        MoveTotals(db, " + ");
        RecomputeAverages(db);
        transaction.commit();
    }
}

void PuttReplaceGame(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    zeviza::Putt putt(stored.Folder().Path());
    for (auto _ : state) {
        state.PauseTiming();
        auto game = NewGame("G5");
        auto read = putt.LoadGameEdit(game.gameId);
        zeviza::ShownRecord shown = zeviza::ShownRecord::Of(*read);
        state.ResumeTiming();
        if (!game.Replace(putt, &shown)) {
            state.SkipWithError("ReplaceGame failed");
        }
    }
}

// The unit of work alone: one small statement, with and without the open
// and close around it.
void BareUnitOfWork(benchmark::State& state) {
    auto& db = WithGames(static_cast<int>(state.range(0))).Db();
    for (auto _ : state) {
        SQLite::Transaction transaction(db);
        RecomputeStrokeAverages(db);
        transaction.commit();
    }
}

void PuttUnitOfWork(benchmark::State& state) {
    auto& stored = WithGames(static_cast<int>(state.range(0)));
    zeviza::Putt putt(stored.Folder().Path());
    const zeviza::GameRemoval removal{"G1", "D2", 18};
    for (auto _ : state) {
        if (!putt.UpdateGolferStats(removal)) {
            state.SkipWithError("UpdateGolferStats failed");
        }
    }
}

BENCHMARK(BareUnitOfWork)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttUnitOfWork)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareAddGame)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttAddGame)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttAddGameArrays)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareReplaceGame)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttReplaceGame)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareDeleteGame)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PuttDeleteGame)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
