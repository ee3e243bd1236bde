// The 18-hole history of a golfer with 1,000 games (about 28 pages) written
// to PDF by the report engine, next to QPdfWriter drawing the very same texts
// at the same positions with no engine at all (texts, fonts and places worked
// out before the timing). The ratio of the two is the engine's cost.
// Also: opening the preview, which binds the report and draws page one only.
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

#include "reports/Reports.h"
#include "reports/engine/Report.h"
#include "reports/layouts/LayoutCatalog.h"
#include "tests/reports/engine/SampleReports.h"

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

void BareQPdfWriter(benchmark::State& state) {
    const Report report(*MakeLayout(kLayout), History());
    std::vector<std::vector<BareText>> pages;
    for (int p = 0; p < report.PageCount(); ++p) {
        std::vector<BareText> texts;
        for (const PlacedText& t : report.PageTexts(p)) {
            texts.push_back({t.rect, t.text, MakeFont(t.font), t.colour, AlignmentFlags(t.align)});
        }
        pages.push_back(std::move(texts));
    }
    QTemporaryDir folder;
    const QString file = folder.filePath("bare.pdf");
    for (auto _ : state) {
        QPdfWriter writer(file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                         QMarginsF(0, 0, 0, 0)));
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

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
