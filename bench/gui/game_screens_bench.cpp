// The long lists of the game screens next to a bare QTreeView over a plain
// model holding the same rows, measured side by side in one run:
//   - the removal screen opened with 10,000 games (list read, filled and
//     drawn) against the bare view filled with the same rows and drawn, and
//     against a bare SQLite read of those rows into the bare view;
//   - that list sorted by a column against the bare model sorted the same way:
//     golfer names (two names over and over), game identifiers (every cell
//     its own text) and gross scores (numbers);
//   - the entry screen opened with 500 courses against the bare view of them.
//
// Run with QT_QPA_PLATFORM=offscreen (set here when nothing else is).
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "games/GameLists.h"
#include "games/frmAddGame.h"
#include "games/frmDeleteGame.h"
#include "games/rules/GameRemoval.h"
#include "tests/support/ProgramFolder.h"
#include "ui/ProgramState.h"
#include "ui/fields/RecordTableModel.h"

namespace {

constexpr int kGames = 10000;
constexpr int kCourses = 500;

testing_support::ProgramFolder* folder = nullptr;
std::vector<QStringList> gameRows;    // what the removal screen lists
std::vector<QStringList> courseRows;  // what the entry screen lists

// A model as plain as it gets: the rows as they are, sorted by text.
class BareModel : public QAbstractTableModel {
  public:
    BareModel(std::vector<QStringList> rows, int columns)
        : rows_(std::move(rows)), columns_(columns) {}
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(rows_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return columns_; }
    QVariant data(const QModelIndex& index, int role) const override {
        return role == Qt::DisplayRole ? QVariant(rows_[index.row()][index.column()]) : QVariant();
    }
    void sort(int column, Qt::SortOrder order) override {
        emit layoutAboutToBeChanged();
        std::stable_sort(rows_.begin(), rows_.end(),
                         [column, order](const QStringList& a, const QStringList& b) {
                             const int c = QString::compare(a[column], b[column]);
                             return order == Qt::AscendingOrder ? c < 0 : c > 0;
                         });
        emit layoutChanged();
    }

  private:
    std::vector<QStringList> rows_;
    int columns_;
};

void Draw(QWidget* widget) {
    widget->show();
    QApplication::processEvents();
    widget->repaint();
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

void StoreRecords() {
    std::string sql = "BEGIN;";
    sql +=
        "INSERT INTO tblGolfer (GolferID,FName,LName,FullName,Category,Handicap) VALUES "
        "('D2','Ann','O''Hara','Ann O''Hara','Adult Female',12.5),"
        "('D4','Walter','Hagen','Walter Hagen','Adult Male',3);";
    for (int club = 1; club <= kCourses; ++club) {
        std::string columns = "ClubID,ClubName,City,Tees,ParOut,ParIn,TotalFWays,Par3s,Par4s,Par5s";
        std::string values = Quoted("C" + std::to_string(club)) + "," +
                             Quoted("Course " + std::to_string(club * 7919 % 1000)) +
                             ",'Pinehurst','White',36,36,14,4,10,4";
        for (int hole = 1; hole <= 18; ++hole) {
            columns += ",Par" + std::to_string(hole) + ",HCap" + std::to_string(hole);
            values += "," + std::to_string(3 + hole % 3) + "," + std::to_string(hole);
        }
        sql += "INSERT INTO tblClub (" + columns + ") VALUES (" + values + ");";
    }
    for (int game = 1; game <= kGames; ++game) {
        const int gross = 70 + game * 37 % 30;
        sql +=
            "INSERT INTO tblGames (GameID,GolferID,FullName,Club,Tees,PlayDate,GrossScore,"
            "NetScore,Holes,Pars,Birds,Bogies,TotalPutts) VALUES (" +
            Quoted("G" + std::to_string(game)) + "," +
            (game % 2 ? "'D2','Ann O''Hara'" : "'D4','Walter Hagen'") + ",'Course " +
            std::to_string(game % 500) + "','White','20" + std::to_string(10 + game % 15) +
            "-05-18 00:00:00'," + std::to_string(gross) + "," + std::to_string(gross - 10) +
            ",18,9,2,5,31);";
    }
    folder->Exec(sql + "COMMIT;");
}

void BM_RemovalScreenOpen(benchmark::State& state) {
    for (auto _ : state) {
        parlow::games::frmDeleteGame screen;
        Draw(&screen);
        benchmark::DoNotOptimize(screen.gameRows->rowCount());
    }
}
BENCHMARK(BM_RemovalScreenOpen)->Unit(benchmark::kMillisecond);

// The baseline of a screen's list: the same rows in a bare model, shown in a
// bare QTreeView.
void ShowBareView(std::vector<QStringList> rows, int columns) {
    BareModel model(std::move(rows), columns);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setRootIsDecorated(false);
    view.setModel(&model);
    Draw(&view);
    benchmark::DoNotOptimize(model.rowCount());
}

void BM_BareGameViewOpen(benchmark::State& state) {
    for (auto _ : state) {
        ShowBareView(gameRows, parlow::games::kGameListColumnCount);
    }
}
BENCHMARK(BM_BareGameViewOpen)->Unit(benchmark::kMillisecond);

// The same rows read with a bare SQLite statement, then shown as above: the
// baseline for everything the screen does, its read included.
void BM_BareReadAndGameViewOpen(benchmark::State& state) {
    std::string columns;
    for (const char* field : parlow::games::kGameListFields) {
        const std::string name = field;
        const bool golfers = name == "Holes9" || name == "Holes18";
        columns +=
            (columns.empty() ? "" : ",") + std::string(golfers ? "tblGolfer." : "tblGames.") + name;
    }
    const std::string sql =
        "SELECT " + columns +
        " FROM tblGames,tblGolfer WHERE tblGames.GolferID = tblGolfer.GolferID;";
    for (auto _ : state) {
        SQLite::Database db = folder->Open();
        SQLite::Statement query(db, sql);
        std::vector<QStringList> rows;
        while (query.executeStep()) {
            QStringList row;
            row.reserve(parlow::games::kGameListColumnCount);
            for (int column = 0; column < parlow::games::kGameListColumnCount; ++column) {
                row << QString::fromUtf8(query.getColumn(column).getText());
            }
            rows.push_back(std::move(row));
        }
        ShowBareView(std::move(rows), parlow::games::kGameListColumnCount);
    }
}
BENCHMARK(BM_BareReadAndGameViewOpen)->Unit(benchmark::kMillisecond);

// Each click sorts the other way, as the screen's header does.
void BM_RemovalScreenSort(benchmark::State& state) {
    parlow::games::frmDeleteGame screen;
    Draw(&screen);
    for (auto _ : state) {
        emit screen.lvGame->header()->sectionClicked(static_cast<int>(state.range(0)));
        screen.repaint();
    }
}
BENCHMARK(BM_RemovalScreenSort)
    ->Arg(parlow::games::kGolferNameColumn)
    ->Arg(parlow::games::kGameIdColumn)
    ->Arg(parlow::games::kGrossColumn)
    ->Unit(benchmark::kMillisecond);

void BM_BareGameViewSort(benchmark::State& state) {
    BareModel model(gameRows, parlow::games::kGameListColumnCount);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setRootIsDecorated(false);
    view.setModel(&model);
    Draw(&view);
    bool descending = true;
    for (auto _ : state) {
        model.sort(static_cast<int>(state.range(0)),
                   descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        descending = !descending;
        view.repaint();
    }
}
BENCHMARK(BM_BareGameViewSort)
    ->Arg(parlow::games::kGolferNameColumn)
    ->Arg(parlow::games::kGameIdColumn)
    ->Arg(parlow::games::kGrossColumn)
    ->Unit(benchmark::kMillisecond);

// The whole entry screen: its golfer list, course list, scorecard and logo.
void BM_EntryScreenOpen(benchmark::State& state) {
    for (auto _ : state) {
        parlow::games::frmAddGame screen;
        Draw(&screen);
        benchmark::DoNotOptimize(screen.clubRows->rowCount());
    }
}
BENCHMARK(BM_EntryScreenOpen)->Unit(benchmark::kMillisecond);

void BM_BareCourseViewOpen(benchmark::State& state) {
    for (auto _ : state) {
        ShowBareView(courseRows, parlow::games::kCourseListColumnCount);
    }
}
BENCHMARK(BM_BareCourseViewOpen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing_support::ProgramFolder programFolder;
    folder = &programFolder;
    parlow::SetProgramFolder(programFolder.Path());
    StoreRecords();
    parlow::NewPutt();
    gameRows = parlow::games::ReadRows([](zeviza::Putt& putt) { return putt.LoadDeleteGame(); },
                                       parlow::games::kGameListFields);
    courseRows = parlow::games::ReadRows([](zeviza::Putt& putt) { return putt.LoadClubList(); },
                                         parlow::games::CourseListFields());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    parlow::ReleasePutt();
    return 0;
}
