// The report door's preview: a child window of the main window's
// multiple-document area, one per layout.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "reports/Reports.h"
#include "reports/engine/Report.h"
#include "reports/layouts/LayoutCatalog.h"
#include "reports/preview/ReportPreview.h"
#include "ui/BusyCursor.h"

namespace parlow::reports {

namespace {

QMdiArea* MainWindowArea() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            if (auto* area = qobject_cast<QMdiArea*>(main->centralWidget())) {
                return area;
            }
        }
    }
    return nullptr;
}

// A layout exists once: a new result replaces the preview of the last one.
void CloseOpenPreview(QMdiArea* area, const QString& name) {
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (window->objectName() == name) {
            window->setObjectName(QString());
            window->close();
        }
    }
}

}  // namespace

QMdiSubWindow* ShowReportPreview(const std::string& layout, const ReportData& data) {
    std::optional<Layout> made = MakeLayout(layout);
    QMdiArea* area = MainWindowArea();
    if (!made || area == nullptr) {
        return nullptr;
    }
    BusyCursor busy;
    const QString name = QString::fromStdString(layout);
    CloseOpenPreview(area, name);
    auto* preview = new ReportPreview(std::make_unique<Report>(std::move(*made), data));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = area->addSubWindow(preview);
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QSize room = area->viewport()->size();
    window->setGeometry(0, 0, room.width() * 9 / 10, room.height() * 9 / 10);
    window->show();
    area->setActiveSubWindow(window);
    preview->setFocus();
    return window;
}

}  // namespace parlow::reports
