#pragma once
// Runs a report command and shows its report, one window per command: before
// a command runs again, its open result and the window showing it close.
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "reports/ReportData.h"

class QMdiSubWindow;

namespace parlow::reports {

// Properties of each report window: its layout and the values it was run for.
inline constexpr const char* kLayoutProperty = "reportLayout";
inline constexpr const char* kValuesProperty = "reportValues";

// Closes the command's result and window, runs it with the values, opens the
// layout's preview and cascades the main window's children. Nothing opens
// when the command or the preview fails.
QMdiSubWindow* OpenReport(const std::string& command, const std::string& layout,
                          const std::vector<std::string>& values);

// The same for a report whose rows are worked out rather than read by a
// command: `make` gives them for the values, or nothing when it cannot.
// `key` stands in for the command in keeping one window per report.
using ReportMaker =
    std::function<std::shared_ptr<const ReportData>(const std::vector<std::string>& values)>;
QMdiSubWindow* OpenMadeReport(const std::string& key, const std::string& layout,
                              const std::vector<std::string>& values, const ReportMaker& make);

// The window showing the command's report, or nullptr.
QMdiSubWindow* ReportWindow(const std::string& command);

}  // namespace parlow::reports
