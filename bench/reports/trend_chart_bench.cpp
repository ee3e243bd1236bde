// The trend charts of a golfer with 10,000 rounds opened: the games read
// through Putt, the series worked out, the chart window built, shown and
// drawn once. Next to it the bare work: the same rows read with plain SQLite
// into points, and the same three charts of five line series built and drawn
// with nothing of the program's own.
//
//   QT_QPA_PLATFORM=offscreen build/bin/trend_chart_bench
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QLineSeries>
#include <QPixmap>
#include <QValueAxis>
#include <memory>

#include "reports/trends/frmTrendChart.h"
#include "reports/trends/rules/TrendReads.h"
#include "reports/trends/rules/TrendSeries.h"
#include "tests/support/ProgramFolder.h"

namespace {

constexpr int kRounds = 10'000;

testing_support::ProgramFolder& Log() {
    static testing_support::ProgramFolder folder;
    static const bool filled = [] {
        SQLite::Database db = folder.Open();
        SQLite::Transaction unit(db);
        db.exec("INSERT INTO tblGolfer (GolferID, FullName) VALUES ('D1', 'Ann Lee')");
        SQLite::Statement insert(db,
                                 "INSERT INTO tblGames (GameID, GolferID, FullName, Club, Tees, "
                                 "PlayDate, Holes, GrossScore, TotalPutts, GreensMissed, "
                                 "TotalFWays, FWaysMissed) VALUES (?, 'D1', 'Ann Lee', 'Pine "
                                 "Valley', 'White', ?, 18, ?, ?, ?, 14, ?)");
        const QDate first(1990, 1, 1);
        for (int i = 0; i < kRounds; ++i) {
            insert.bind(1, "G" + std::to_string(i + 1));
            insert.bind(2, first.addDays(i).toString("yyyy-MM-dd 00:00:00").toStdString());
            insert.bind(3, 70 + (i * 7) % 19);
            insert.bind(4, 28 + (i * 5) % 11);
            insert.bind(5, (i * 3) % 10);
            insert.bind(6, (i * 11) % 9);
            insert.exec();
            insert.reset();
        }
        unit.commit();
        return true;
    }();
    (void)filled;
    return folder;
}

void ProgramTrendChart(benchmark::State& state) {
    zeviza::Putt putt(Log().Path());
    for (auto _ : state) {
        auto series =
            trends::BuildTrendSeries(trends::ReadTrendRounds(putt, "D1"), 18, trends::Period::All,
                                     "2026-12-31", trends::ReadIndexHistory(putt, "D1"));
        if (series.gross.size() != kRounds) {
            state.SkipWithError("not every round was read");
        }
        auto chart = std::make_unique<parlow::reports::frmTrendChart>("Ann Lee", std::move(series));
        chart->resize(1200, 800);
        chart->show();
        benchmark::DoNotOptimize(chart->grab());
    }
}

// The program's part before any window: the read and the series alone.
void ProgramSeriesOnly(benchmark::State& state) {
    zeviza::Putt putt(Log().Path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(trends::BuildTrendSeries(trends::ReadTrendRounds(putt, "D1"), 18,
                                                          trends::Period::All, "2026-12-31"));
    }
}

QChartView* BareChart(QWidget* parent, const std::vector<QList<QPointF>>& lines) {
    auto* chart = new QChart;
    auto* time = new QDateTimeAxis;
    auto* value = new QValueAxis;
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(value, Qt::AlignLeft);
    for (const QList<QPointF>& points : lines) {
        auto* line = new QLineSeries;
        line->replace(points);
        chart->addSeries(line);
        line->attachAxis(time);
        line->attachAxis(value);
    }
    time->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(lines[0].front().x())),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(lines[0].back().x())));
    value->setRange(0, 100);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

void BareSqliteAndQtCharts(benchmark::State& state) {
    for (auto _ : state) {
        SQLite::Database db(Log().Database().string(), SQLite::OPEN_READONLY);
        SQLite::Statement read(db,
                               "SELECT (julianday(PlayDate) - 2440587.5) * 86400000.0, GrossScore, "
                               "TotalPutts, GreensMissed, "
                               "TotalFWays, FWaysMissed FROM tblGames WHERE GolferID = 'D1' "
                               "ORDER BY PlayDate, ID");
        std::vector<QList<QPointF>> lines(5);
        while (read.executeStep()) {
            const double x = read.getColumn(0).getDouble();
            const double gross = read.getColumn(1).getInt();
            lines[0].append({x, gross});
            lines[1].append({x, gross});
            lines[2].append({x, static_cast<double>(read.getColumn(2).getInt())});
            lines[3].append({x, 100.0 * (18 - read.getColumn(3).getInt()) / 18});
            lines[4].append({x, 100.0 * (14 - read.getColumn(5).getInt()) / 14});
        }
        auto window = std::make_unique<QWidget>();
        auto* grid = new QGridLayout(window.get());
        grid->addWidget(BareChart(window.get(), {lines[0], lines[1]}), 0, 0, 1, 2);
        grid->addWidget(BareChart(window.get(), {lines[2]}), 1, 0);
        grid->addWidget(BareChart(window.get(), {lines[3], lines[4]}), 1, 1);
        window->resize(1200, 800);
        window->show();
        benchmark::DoNotOptimize(window->grab());
    }
}

BENCHMARK(BareSqliteAndQtCharts)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ProgramTrendChart)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ProgramSeriesOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    Log();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
