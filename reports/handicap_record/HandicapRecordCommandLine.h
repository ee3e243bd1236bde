#pragma once
// --report handicap <GolferID> --pdf <file>: the Handicap Record to a PDF
// file, with the same conventions as the other reports of the command line.
#include <QString>
#include <filesystem>

#include "reports/cli/ReportRequest.h"

namespace parlow::reports {

bool IsHandicapRecordRequest(const ReportRequest& request);

// kReportWritten, or kReportFailed / kReportMisworded with the one-line reason.
int RenderHandicapRecord(const ReportRequest& request, const std::filesystem::path& programFolder,
                         QString& reason);

}  // namespace parlow::reports
