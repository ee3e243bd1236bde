// Renders every layout for the sample records into PDF files, plus a long
// game history that runs over many pages. With --preview it also opens that
// history's preview in a main window and saves pictures of it.
//   report_sample_sheets <folder> [--preview]
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "reports/Reports.h"
#include "reports/layouts/LayoutCatalog.h"
#include "reports/preview/ReportPreview.h"
#include "tests/reports/engine/SampleReports.h"

namespace {

int RenderAll(const QDir& folder) {
    int failures = 0;
    auto render = [&](const std::string& layout, const parlow::reports::ReportData& data,
                      const QString& name) {
        QString error;
        if (!parlow::reports::RenderReportPdf(layout, data, folder.filePath(name), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            ++failures;
        }
    };
    for (const std::string& layout : parlow::reports::LayoutNames()) {
        render(layout, report_samples::ForLayout(layout), QString::fromStdString(layout) + ".pdf");
    }
    render("rptGames18Hist", report_samples::LongHistory(1000), "rptGames18Hist-1000-games.pdf");
    return failures;
}

void Snap(QWidget* window, const QDir& folder, const QString& name) {
    QTest::qWait(300);
    window->grab().save(folder.filePath(name));
}

void PicturePreview(const QDir& folder) {
    QMainWindow main;
    auto* area = new QMdiArea;
    area->setBackground(QColor(128, 128, 128));
    main.setCentralWidget(area);
    main.resize(1024, 720);
    main.show();
    QMdiSubWindow* window =
        parlow::reports::ShowReportPreview("rptGames18Hist", report_samples::LongHistory(1000));
    auto* preview = qobject_cast<parlow::reports::ReportPreview*>(window->widget());
    Snap(&main, folder, "preview-opened.png");
    preview->ShowPage(preview->PageCount() - 1);
    preview->FitPage();
    Snap(&main, folder, "preview-last-page-fit.png");
    window->showMaximized();
    preview->ShowPage(1);
    preview->FitWidth();
    Snap(&main, folder, "preview-maximised-fit-width.png");
    parlow::reports::ShowReportPreview("rptScoreCard", report_samples::ScoreCard());
    area->tileSubWindows();
    Snap(&main, folder, "preview-tiled.png");
}

}  // namespace

int main(int argc, char** argv) {
    const bool preview = argc == 3 && std::strcmp(argv[2], "--preview") == 0;
    if (!preview) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication application(argc, argv);
    if (argc != 2 && !preview) {
        std::fprintf(stderr, "usage: report_sample_sheets <folder> [--preview]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int failures = RenderAll(folder);
    if (preview) {
        PicturePreview(folder);
    }
    return failures == 0 ? 0 : 1;
}
