#include "reports/handicap_record/HandicapRecordCommandLine.h"

#include "reports/Reports.h"
#include "reports/cli/ReportCommandLine.h"
#include "reports/handicap_record/HandicapReport.h"
#include "ui/ExportTarget.h"
#include "zeviza/Putt.h"

namespace parlow::reports {

bool IsHandicapRecordRequest(const ReportRequest& request) {
    return request.layout == kHandicapReportName || request.layout == kHandicapLayout;
}

int RenderHandicapRecord(const ReportRequest& request, const std::filesystem::path& programFolder,
                         QString& reason) {
    const QString name = QString::fromStdString(request.layout);
    if (request.parameters.size() != 1) {
        reason = QString("%1 takes 1 value(s) (GolferID), not %2")
                     .arg(name)
                     .arg(request.parameters.size());
        return kReportMisworded;
    }
    if (const std::string refused = RefusedExportTarget(request.pdfFile, programFolder);
        !refused.empty()) {
        reason = name + ": " + QString::fromStdString(refused);
        return kReportFailed;
    }
    const std::string& golferId = request.parameters.front();
    zeviza::Putt putt(programFolder);
    const auto data = ReadHandicapRecord(putt, golferId);
    if (!data) {
        reason = name + ": no stored record for " + QString::fromStdString(golferId);
        return kReportFailed;
    }
    QString why;
    if (!RenderReportPdf(kHandicapLayout, *data, QString::fromStdString(request.pdfFile), &why)) {
        reason = name + ": " + why;
        return kReportFailed;
    }
    return kReportWritten;
}

}  // namespace parlow::reports
