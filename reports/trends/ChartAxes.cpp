#include "reports/trends/ChartAxes.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace parlow::reports {

namespace {

int Digits(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count && i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return 0;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

constexpr qint64 kDay = 86'400'000;
constexpr qint64 kUnixEpochJulianDay = 2'440'588;

}  // namespace

qint64 TimeOf(const std::string& stored) {
    const QDate date(Digits(stored, 0, 4), Digits(stored, 5, 2), Digits(stored, 8, 2));
    if (!date.isValid()) {
        return 0;
    }
    const qint64 time =
        (Digits(stored, 11, 2) * 3600LL + Digits(stored, 14, 2) * 60LL + Digits(stored, 17, 2)) *
        1000LL;
    return (date.toJulianDay() - kUnixEpochJulianDay) * kDay + time;
}

QList<QPointF> ChartPoints(const std::vector<trends::TrendPoint>& points) {
    QList<QPointF> chart;
    chart.reserve(static_cast<qsizetype>(points.size()));
    for (const trends::TrendPoint& point : points) {
        chart.append(QPointF(static_cast<double>(TimeOf(point.playDate)), point.value));
    }
    return chart;
}

int NearestPoint(const QList<QPointF>& points, const QPointF& at) {
    if (points.isEmpty()) {
        return -1;
    }
    const auto byTime = [](const QPointF& point, double x) { return point.x() < x; };
    auto after = std::lower_bound(points.begin(), points.end(), at.x(), byTime);
    double x = 0;
    if (after == points.end()) {
        x = points.back().x();
    } else if (after == points.begin()) {
        x = after->x();
    } else {
        x = (after->x() - at.x()) < (at.x() - std::prev(after)->x()) ? after->x()
                                                                     : std::prev(after)->x();
    }
    auto first = std::lower_bound(points.begin(), points.end(), x, byTime);
    int best = static_cast<int>(first - points.begin());
    for (auto it = first; it != points.end() && it->x() == x; ++it) {
        if (std::abs(it->y() - at.y()) < std::abs(points[best].y() - at.y())) {
            best = static_cast<int>(it - points.begin());
        }
    }
    return best;
}

}  // namespace parlow::reports
