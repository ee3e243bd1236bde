#pragma once
// Turning the trend series into chart points: a stored play date as the time
// axis counts it, and the points of one series.
#include <QList>
#include <QPointF>
#include <QString>
#include <string>
#include <vector>

#include "reports/trends/rules/TrendSeries.h"

namespace parlow::reports {

// Milliseconds since 1970 (UTC) of "YYYY-MM-DD HH:MM:SS"; read by hand,
// since a chart of thousands of rounds reads thousands of dates.
qint64 TimeOf(const std::string& stored);

QList<QPointF> ChartPoints(const std::vector<trends::TrendPoint>& points);

// The index of the point nearest `at`: nearest in time, and among rounds of
// the same time nearest in value. -1 when there are none.
int NearestPoint(const QList<QPointF>& points, const QPointF& at);

}  // namespace parlow::reports
