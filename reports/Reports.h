#pragma once
// The one door to the report layouts: everything outside the report engine
// (the data commands, the review screens, the command line) goes through
// these calls and never through the engine's own types.
#include <QString>
#include <string>

#include "reports/ReportData.h"

class QMdiSubWindow;

namespace parlow::reports {

// True for the nine layout names: "rptGameStats", "rptClubData",
// "rptScoreCard", "rptGames18Hist", "rptGames9Hist", "rptGolfer18Stats",
// "rptGolfer9Stats", "rptScore18Stats", "rptScore9Stats".
bool IsKnownLayout(const std::string& layout);

// The layout's window caption, as its preview window shows it.
QString LayoutCaption(const std::string& layout);

// Draws the layout bound to `data` into a PDF file, the same pages the
// preview shows. False, with a one-line reason in `error`, when the layout is
// unknown or the file cannot be written; no file is left behind then.
bool RenderReportPdf(const std::string& layout, const ReportData& data, const QString& file,
                     QString* error = nullptr);

// Opens the layout's preview as a modeless child window of the main window's
// multiple-document area and returns it (nullptr when the layout is unknown
// or there is no main window). The preview keeps its own copy of the data.
QMdiSubWindow* ShowReportPreview(const std::string& layout, const ReportData& data);

}  // namespace parlow::reports
