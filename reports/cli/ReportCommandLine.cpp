#include "reports/cli/ReportCommandLine.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "reports/Reports.h"
#include "reports/data/DataReport.h"
#include "ui/ExportTarget.h"
#include "ui/ProgramState.h"

namespace parlow::reports {

namespace {

QString KnownLayouts() {
    QStringList names;
    for (const ReportCommand& command : ReportCommands()) {
        names << QString::fromStdString(command.layout);
    }
    return names.join(", ");
}

QString ValuesOf(const ReportCommand& command) {
    QStringList names;
    for (const std::string& parameter : command.parameters) {
        names << QString::fromStdString(parameter);
    }
    return names.join(", ");
}

QString OneLine(QString text) {
    return text.replace('\r', ' ').replace('\n', ' ').trimmed();
}

}  // namespace

int RenderReport(const ReportRequest& request, const std::filesystem::path& programFolder,
                 QString* error) {
    auto fail = [error](int status, const QString& reason) {
        if (error != nullptr) {
            *error = OneLine(reason);
        }
        return status;
    };
    const QString layout = QString::fromStdString(request.layout);
    const ReportCommand* command = CommandForLayout(request.layout);
    if (command == nullptr || !IsKnownLayout(request.layout)) {
        return fail(kReportMisworded,
                    "unknown report layout '" + layout + "' (one of " + KnownLayouts() + ")");
    }
    if (request.parameters.size() != command->parameters.size()) {
        return fail(kReportMisworded, QString("%1 takes %2 value(s) (%3), not %4")
                                          .arg(layout)
                                          .arg(command->parameters.size())
                                          .arg(ValuesOf(*command))
                                          .arg(request.parameters.size()));
    }
    if (const std::string refused = RefusedExportTarget(request.pdfFile, programFolder);
        !refused.empty()) {
        return fail(kReportFailed, layout + ": " + QString::fromStdString(refused));
    }
    try {
        DataReport reports(programFolder);
        if (!reports.RecordExists(command->name, request.parameters)) {
            QStringList values;
            for (const std::string& value : request.parameters) {
                values << QString::fromStdString(value);
            }
            return fail(kReportFailed, layout + ": no stored record for " + values.join(", "));
        }
        auto data = reports.Run(command->name, request.parameters);
        QString reason;
        if (!RenderReportPdf(request.layout, *data, QString::fromStdString(request.pdfFile),
                             &reason)) {
            return fail(kReportFailed, layout + ": " + reason);
        }
    } catch (const std::exception& e) {
        return fail(kReportFailed, e.what());
    }
    return kReportWritten;
}

int RunReportCommandLine(int argc, char** argv, const ReportRequest& request) {
    // A script reads one line on an error, not the toolkit's remarks about
    // the desktop it runs on.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        }
    });
    // A report needs no display: it draws the same pages offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // An installed copy's first run makes the user's folder it reads from.
    if (const std::string failure = PrepareProgramFolder(); !failure.empty()) {
        std::fprintf(stderr, "Parlow: %s\n",
                     OneLine(QString::fromStdString(failure)).toLocal8Bit().constData());
        return kReportFailed;
    }
    QString error;
    const int status = RenderReport(request, ProgramFolder(), &error);
    if (status != kReportWritten) {
        std::fprintf(stderr, "Parlow: %s\n", error.toLocal8Bit().constData());
    }
    return status;
}

}  // namespace parlow::reports
