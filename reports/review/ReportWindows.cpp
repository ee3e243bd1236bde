#include "reports/review/ReportWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <map>

#include "reports/Reports.h"
#include "reports/review/ReportEnvironment.h"
#include "ui/WindowArrangement.h"
#include "ui/WindowDetail.h"

namespace parlow::reports {

namespace {

std::map<std::string, QPointer<QMdiSubWindow>>& Windows() {
    static std::map<std::string, QPointer<QMdiSubWindow>> windows;
    return windows;
}

void CloseWindowOf(const std::string& command) {
    if (QPointer<QMdiSubWindow> window = Windows()[command]) {
        window->close();
    }
    Windows().erase(command);
}

}  // namespace

QMdiSubWindow* ReportWindow(const std::string& command) {
    auto at = Windows().find(command);
    return at == Windows().end() ? nullptr : at->second.data();
}

QMdiSubWindow* OpenReport(const std::string& command, const std::string& layout,
                          const std::vector<std::string>& values) {
    DataReport& environment = ReportEnvironment();
    if (environment.IsOpen(command)) {
        environment.Close(command);
    }
    // Also a window whose command failed since: one window per report.
    CloseWindowOf(command);
    std::shared_ptr<const ReportData> data;
    try {
        data = environment.Run(command, values);
    } catch (...) {
        return nullptr;
    }
    QMdiSubWindow* window = ShowReportPreview(layout, *data);
    if (window == nullptr) {
        return nullptr;
    }
    QStringList shown;
    for (const std::string& value : values) {
        shown << QString::fromStdString(value);
    }
    window->setProperty(kLayoutProperty, QString::fromStdString(layout));
    window->setProperty(kValuesProperty, shown);
    SetWindowDetail(window, shown.join(", "));
    Windows()[command] = window;
    if (QMdiArea* area = window->mdiArea()) {
        CascadeWindows(area);
    }
    return window;
}

}  // namespace parlow::reports
