// The 18-hole history of a golfer with 1,000 games (about 28 pages) written
// to PDF by the report engine, next to QPdfWriter drawing the very same texts
// at the same positions with no engine at all (texts, fonts and places worked
// out before the timing). The ratio of the two is the engine's cost.
// Also: opening the preview, which binds the report and draws page one only.
//
// And the history as the program makes it, at 1,000, 10,000 and 100,000
// stored games of one golfer: the report command run on the log (its rows
// read and grouped by course), bound and written to PDF, next to a bare
// SQLite read of the same statement and QPdfWriter drawing the same texts.
//
//   QT_QPA_PLATFORM=offscreen build/bin/report_pdf_bench
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdlib>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "bench/support/BenchRecords.h"
#include "reports/Reports.h"
#include "reports/data/DataReport.h"
#include "reports/data/ReportCommands.h"
#include "reports/engine/Report.h"
#include "reports/layouts/LayoutCatalog.h"
#include "tests/reports/engine/SampleReports.h"
#include "zeviza/ReaderCollation.h"

namespace {

using namespace parlow::reports;

constexpr int kGames = 1000;
const char* const kLayout = "rptGames18Hist";

const ReportData& History() {
    static const ReportData data = report_samples::LongHistory(kGames);
    return data;
}

void EnginePdf(benchmark::State& state) {
    QTemporaryDir folder;
    const QString file = folder.filePath("history.pdf");
    for (auto _ : state) {
        if (!RenderReportPdf(kLayout, History(), file)) {
            state.SkipWithError("the report was not written");
        }
    }
}

struct BareText {
    QRectF rect;
    QString text;
    QFont font;
    QColor colour;
    int flags;
};

using BarePages = std::vector<std::vector<BareText>>;

BarePages BareTextsOf(const ReportData& data) {
    const Report report(*MakeLayout(kLayout), data);
    BarePages pages;
    for (int p = 0; p < report.PageCount(); ++p) {
        std::vector<BareText> texts;
        for (const PlacedText& t : report.PageTexts(p)) {
            texts.push_back({t.rect, t.text, MakeFont(t.font), t.colour, AlignmentFlags(t.align)});
        }
        pages.push_back(std::move(texts));
    }
    return pages;
}

void DrawBare(const BarePages& pages, const QString& file) {
    QPdfWriter writer(file);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    painter.scale(writer.resolution() / 1440.0, writer.resolution() / 1440.0);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            writer.newPage();
        }
        for (const BareText& t : pages[p]) {
            painter.setFont(t.font);
            painter.setPen(t.colour);
            painter.drawText(t.rect, t.flags, t.text);
        }
    }
}

void BareQPdfWriter(benchmark::State& state) {
    const BarePages pages = BareTextsOf(History());
    QTemporaryDir folder;
    const QString file = folder.filePath("bare.pdf");
    for (auto _ : state) {
        DrawBare(pages, file);
    }
    state.counters["pages"] = static_cast<double>(pages.size());
}

const char* const kHistoryCommand = "cmdGames18Hist_Grouping";
const char* const kGolfer = "D2";

const testing_support::ProgramFolder& StoredHistory(const benchmark::State& state) {
    return bench_support::FolderWith({1, 500, static_cast<int>(state.range(0))});
}

void StoredHistoryPdf(benchmark::State& state) {
    const auto& log = StoredHistory(state);
    QTemporaryDir folder;
    const QString file = folder.filePath("history.pdf");
    for (auto _ : state) {
        DataReport reports(log.Path());
        const auto data = reports.Run(kHistoryCommand, {kGolfer});
        if (!RenderReportPdf(kLayout, *data, file)) {
            state.SkipWithError("the report was not written");
        }
    }
}

void BareStoredHistoryPdf(benchmark::State& state) {
    const auto& log = StoredHistory(state);
    const BarePages pages = BareTextsOf(*DataReport(log.Path()).Run(kHistoryCommand, {kGolfer}));
    const std::string sql = FindReportCommand(kHistoryCommand)->sql;
    QTemporaryDir folder;
    const QString file = folder.filePath("bare.pdf");
    for (auto _ : state) {
        SQLite::Database db(log.Database().string(), SQLite::OPEN_READONLY);
        zeviza::RegisterReaderOrder(db.getHandle());
        SQLite::Statement query(db, sql);
        query.bind(1, kGolfer);
        std::vector<std::vector<std::string>> rows;
        while (query.executeStep()) {
            std::vector<std::string> row;
            for (int c = 0; c < query.getColumnCount(); ++c) {
                row.push_back(query.getColumn(c).getString());
            }
            rows.push_back(std::move(row));
        }
        benchmark::DoNotOptimize(rows);
        DrawBare(pages, file);
    }
    state.counters["pages"] = static_cast<double>(pages.size());
}

void PreviewFirstPage(benchmark::State& state) {
    for (auto _ : state) {
        const Report report(*MakeLayout(kLayout), History());
        QImage image(1056, 816, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        UseTwips(painter, 96);
        report.DrawPage(painter, 0);
        benchmark::DoNotOptimize(image.bits());
    }
}

}  // namespace

BENCHMARK(BareQPdfWriter)->Unit(benchmark::kMillisecond);
BENCHMARK(EnginePdf)->Unit(benchmark::kMillisecond);
BENCHMARK(PreviewFirstPage)->Unit(benchmark::kMillisecond);

void AtEachSize(benchmark::internal::Benchmark* bench) {
    for (int games : bench_support::kGameCounts) {
        bench->Arg(games);
    }
    // The largest history runs some seconds: a few rounds of each say enough.
    bench->Unit(benchmark::kMillisecond)->MinTime(0.2);
}
BENCHMARK(BareStoredHistoryPdf)->Apply(AtEachSize);
BENCHMARK(StoredHistoryPdf)->Apply(AtEachSize);

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
