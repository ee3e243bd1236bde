#pragma once
// Reports > Trends...: the screen that picks a golfer, a length and a period,
// and the chart window it opens.
#include <QString>

#include "reports/trends/rules/TrendSeries.h"

class QMdiSubWindow;
class QWidget;

namespace parlow::reports {

QWidget* CreateTrendsScreen(QWidget* parent = nullptr);

// Opens the charts as a child window of the main window, in place of the
// charts open before; nullptr without a main window.
QMdiSubWindow* ShowTrendChart(const QString& title, trends::TrendSeries series);

}  // namespace parlow::reports
