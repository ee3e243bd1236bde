// Renders every layout for the sample records into PDF files, plus a long
// game history that runs over many pages:
//   report_sample_sheets <folder>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "Reports.h"
#include "SampleReports.h"
#include "layouts/LayoutCatalog.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: report_sample_sheets <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
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
    return failures == 0 ? 0 : 1;
}
