#pragma once
// Reports from the command line, for printing a season's sheets from a
// script:
//
//   Parlow --report <layout> <value>... --pdf <file>
//
// renders one report to a PDF file without a window (offscreen, whatever
// display there is), without the single-copy lock and without writing to
// the database. Errors give one line on standard error, a non-zero status
// and no file.
#include <QString>
#include <filesystem>

#include "reports/cli/ReportRequest.h"

namespace parlow::reports {

inline constexpr int kReportWritten = 0;
inline constexpr int kReportFailed = 1;     // no such record, unreadable database, unwritable file
inline constexpr int kReportMisworded = 2;  // unknown layout, wrong number of values

// Starts an offscreen application of its own, renders the request (read
// from the command line by the program's parser) for the program's own
// folder and returns the exit status.
int RunReportCommandLine(int argc, char** argv, const ReportRequest& request);

// The work itself; `error` receives the one-line reason of a non-zero status.
int RenderReport(const ReportRequest& request, const std::filesystem::path& programFolder,
                 QString* error);

}  // namespace parlow::reports
