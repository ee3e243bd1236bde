// The long lists of the game screens next to bare Qt over the same rows,
// measured side by side in one run at 1,000, 10,000 and 100,000 games:
//   - the removal screen opened (list read, filled and drawn) against a bare
//     QTreeView filled with the same rows and drawn, and against a bare
//     SQLite read of those rows into the bare view;
//   - that list sorted by a column against the bare model sorted the same way:
//     golfer names (two names over and over), game identifiers (every cell
//     its own text) and gross scores (numbers);
//   - the game review screen (Game Stats) opened against a bare SQLite read
//     of the columns it shows into a bare QTreeWidget, drawn;
//   - the entry screen opened with 500 courses against the bare view of them,
//     and against a bare SQLite read of them into the bare view; and opened
//     without courses, to tell the list's share from the rest of the screen.
//
//   QT_QPA_PLATFORM=offscreen build/bin/game_screens_bench   (offscreen is the default)
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "bench/support/BenchRecords.h"
#include "games/GameLists.h"
#include "games/frmAddGame.h"
#include "games/frmDeleteGame.h"
#include "games/rules/GameRemoval.h"
#include "reports/review/ReviewScreens.h"
#include "ui/ProgramState.h"
#include "ui/fields/RecordTableModel.h"
#include "zeviza/ReaderCollation.h"

namespace {

constexpr int kCourses = 500;

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

// The screens read the program folder's log: the one holding `games`.
void UseGames(int games) {
    parlow::SetProgramFolder(bench_support::FolderWith({2, kCourses, games}).Path());
    parlow::NewPutt();
}

int Games(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

std::vector<QStringList> GameRows() {
    return parlow::games::ReadRows([](zeviza::Putt& putt) { return putt.LoadDeleteGame(); },
                                   parlow::games::kGameListFields);
}

// Every row of `sql` as texts, read with bare SQLite from the folder in use.
std::vector<QStringList> BareRead(const std::string& sql) {
    SQLite::Database db((parlow::ProgramFolder() / "green" / "parlow.plg").string());
    SQLite::Statement query(db, sql);
    std::vector<QStringList> rows;
    const int columns = query.getColumnCount();
    while (query.executeStep()) {
        QStringList row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column) {
            row << QString::fromUtf8(query.getColumn(column).getText());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void BM_RemovalScreenOpen(benchmark::State& state) {
    UseGames(Games(state));
    for (auto _ : state) {
        parlow::games::frmDeleteGame screen;
        Draw(&screen);
        benchmark::DoNotOptimize(screen.gameRows->rowCount());
    }
}

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
    UseGames(Games(state));
    const std::vector<QStringList> rows = GameRows();
    for (auto _ : state) {
        ShowBareView(rows, parlow::games::kGameListColumnCount);
    }
}

std::string GameListSql() {
    std::string columns;
    for (const char* field : parlow::games::kGameListFields) {
        const std::string name = field;
        const bool golfers = name == "Holes9" || name == "Holes18";
        columns +=
            (columns.empty() ? "" : ",") + std::string(golfers ? "tblGolfer." : "tblGames.") + name;
    }
    return "SELECT " + columns +
           " FROM tblGames,tblGolfer WHERE tblGames.GolferID = tblGolfer.GolferID;";
}

// The same rows read with a bare SQLite statement, then shown as above: the
// baseline for everything the screen does, its read included.
void BM_BareReadAndGameViewOpen(benchmark::State& state) {
    UseGames(Games(state));
    const std::string sql = GameListSql();
    for (auto _ : state) {
        ShowBareView(BareRead(sql), parlow::games::kGameListColumnCount);
    }
}

int SortColumn(const benchmark::State& state) {
    return static_cast<int>(state.range(1));
}

// Each click sorts the other way, as the screen's header does. The first
// click by a column works out its order (timed apart below), the later ones
// reuse it.
void BM_RemovalScreenSort(benchmark::State& state) {
    UseGames(Games(state));
    parlow::games::frmDeleteGame screen;
    Draw(&screen);
    emit screen.lvGame->header()->sectionClicked(SortColumn(state));
    for (auto _ : state) {
        emit screen.lvGame->header()->sectionClicked(SortColumn(state));
        // A click redraws the list, as the bare view is redrawn; the rest of
        // the screen is not touched by it.
        screen.lvGame->repaint();
    }
}

// The first click after the list was filled.
void BM_RemovalScreenFirstSort(benchmark::State& state) {
    UseGames(Games(state));
    parlow::games::frmDeleteGame screen;
    Draw(&screen);
    std::vector<QStringList> rows = GameRows();
    for (auto _ : state) {
        state.PauseTiming();
        screen.gameRows->SetRows(rows);
        screen.repaint();  // the fill's own drawing is the fill's, not the click's
        state.ResumeTiming();
        emit screen.lvGame->header()->sectionClicked(SortColumn(state));
        screen.lvGame->repaint();
    }
}

void BM_BareGameViewSort(benchmark::State& state) {
    UseGames(Games(state));
    BareModel model(GameRows(), parlow::games::kGameListColumnCount);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setRootIsDecorated(false);
    view.setModel(&model);
    Draw(&view);
    bool descending = true;
    for (auto _ : state) {
        model.sort(SortColumn(state), descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        descending = !descending;
        view.repaint();
    }
}

// The game review screen: its list, display fields and buttons.
void BM_ReviewGameListOpen(benchmark::State& state) {
    UseGames(Games(state));
    for (auto _ : state) {
        std::unique_ptr<QWidget> screen(parlow::reports::CreateReviewScreen("frmGameStats"));
        Draw(screen.get());
        benchmark::DoNotOptimize(screen.get());
    }
}

// The columns the review list shows, read bare into a bare QTreeWidget.
void BM_BareReadAndReviewListOpen(benchmark::State& state) {
    UseGames(Games(state));
    const std::string sql =
        "SELECT tblGames.GameID,tblGames.FullName,tblGames.PlayDate,tblGames.Club,"
        "tblGames.GrossScore,tblGames.NetScore,tblGames.Tees FROM tblGames,tblGolfer "
        "WHERE tblGames.GolferID = tblGolfer.GolferID;";
    for (auto _ : state) {
        QTreeWidget list;
        list.setUniformRowHeights(true);
        list.setRootIsDecorated(false);
        list.setColumnCount(7);
        QList<QTreeWidgetItem*> items;
        for (const QStringList& row : BareRead(sql)) {
            items << new QTreeWidgetItem(row);
        }
        list.addTopLevelItems(items);
        Draw(&list);
        benchmark::DoNotOptimize(list.topLevelItemCount());
    }
}

// The whole entry screen: its golfer list, course list, scorecard and logo.
void BM_EntryScreenOpen(benchmark::State& state) {
    UseGames(1000);
    for (auto _ : state) {
        parlow::games::frmAddGame screen;
        Draw(&screen);
        benchmark::DoNotOptimize(screen.clubRows->rowCount());
    }
}

// The same screen over a log without courses: what the screen costs without
// its course list, so that the list's own share shows beside its baselines.
void BM_EntryScreenOpenWithoutCourses(benchmark::State& state) {
    parlow::SetProgramFolder(bench_support::FolderWith({2, 0, 0}).Path());
    parlow::NewPutt();
    for (auto _ : state) {
        parlow::games::frmAddGame screen;
        Draw(&screen);
        benchmark::DoNotOptimize(screen.clubRows->rowCount());
    }
}

void BM_BareCourseViewOpen(benchmark::State& state) {
    UseGames(1000);
    const std::vector<QStringList> rows = parlow::games::ReadRows(
        [](zeviza::Putt& putt) { return putt.LoadClubList(); }, parlow::games::CourseListFields());
    for (auto _ : state) {
        ShowBareView(rows, parlow::games::kCourseListColumnCount);
    }
}

// The course list read with a bare SQLite statement and shown bare.
void BM_BareReadAndCourseViewOpen(benchmark::State& state) {
    UseGames(1000);
    std::string columns;
    for (const char* field : parlow::games::CourseListFields()) {
        columns += (columns.empty() ? "" : ",") + std::string(field);
    }
    const std::string sql = "SELECT " + columns + " FROM tblClub ORDER BY ClubName COLLATE READER;";
    for (auto _ : state) {
        std::vector<QStringList> rows;
        {
            SQLite::Database db((parlow::ProgramFolder() / "green" / "parlow.plg").string());
            zeviza::RegisterReaderOrder(db.getHandle());
            SQLite::Statement query(db, sql);
            while (query.executeStep()) {
                QStringList row;
                for (int column = 0; column < query.getColumnCount(); ++column) {
                    row << QString::fromUtf8(query.getColumn(column).getText());
                }
                rows.push_back(std::move(row));
            }
        }
        ShowBareView(std::move(rows), parlow::games::kCourseListColumnCount);
    }
}

void AtEachSize(benchmark::internal::Benchmark* bench) {
    for (int games : bench_support::kGameCounts) {
        bench->Arg(games);
    }
    bench->Unit(benchmark::kMillisecond);
}

void AtEachSizeByColumn(benchmark::internal::Benchmark* bench) {
    for (int games : bench_support::kGameCounts) {
        for (int column : {parlow::games::kGolferNameColumn, parlow::games::kGameIdColumn,
                           parlow::games::kGrossColumn}) {
            bench->Args({games, column});
        }
    }
    bench->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RemovalScreenOpen)->Apply(AtEachSize);
BENCHMARK(BM_BareGameViewOpen)->Apply(AtEachSize);
BENCHMARK(BM_BareReadAndGameViewOpen)->Apply(AtEachSize);
BENCHMARK(BM_RemovalScreenSort)->Apply(AtEachSizeByColumn);
BENCHMARK(BM_RemovalScreenFirstSort)->Apply(AtEachSizeByColumn);
BENCHMARK(BM_BareGameViewSort)->Apply(AtEachSizeByColumn);
BENCHMARK(BM_ReviewGameListOpen)->Apply(AtEachSize);
BENCHMARK(BM_BareReadAndReviewListOpen)->Apply(AtEachSize);
BENCHMARK(BM_EntryScreenOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EntryScreenOpenWithoutCourses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareCourseViewOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareReadAndCourseViewOpen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    parlow::ReleasePutt();
    return 0;
}
