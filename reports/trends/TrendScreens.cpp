#include "reports/trends/TrendScreens.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "reports/preview/MainWindowArea.h"
#include "reports/trends/frmTrendChart.h"
#include "reports/trends/frmTrends.h"
#include "ui/BusyCursor.h"

namespace parlow::reports {

QWidget* CreateTrendsScreen(QWidget* parent) {
    return new frmTrends(parent);
}

QMdiSubWindow* ShowTrendChart(const QString& title, trends::TrendSeries series) {
    QMdiArea* area = MainWindowArea();
    if (area == nullptr) {
        return nullptr;
    }
    BusyCursor busy;
    // One chart window at a time: new charts replace the last ones.
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (window->objectName() == "frmTrendChart") {
            window->setObjectName(QString());
            window->close();
        }
    }
    auto* chart = new frmTrendChart(title, std::move(series));
    chart->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = area->addSubWindow(chart);
    window->setObjectName("frmTrendChart");
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QSize room = area->viewport()->size();
    window->setGeometry(0, 0, room.width() * 9 / 10, room.height() * 9 / 10);
    window->show();
    area->setActiveSubWindow(window);
    chart->setFocus();
    return window;
}

}  // namespace parlow::reports
