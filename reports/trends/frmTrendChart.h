#pragma once
// The chart window of one golfer's trends: the gross score per round with
// its moving average, the putts per round, the greens and fairways hit in
// percent and, when there is one, the Handicap Index history. Hovering a
// point tells its round; the charts print and save as PNG or PDF.
#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <map>
#include <vector>

#include "reports/trends/rules/TrendSeries.h"

class QChartView;
class QImage;
class QPainter;
class QXYSeries;

namespace parlow::reports {

class frmTrendChart : public QWidget {
    Q_OBJECT
  public:
    frmTrendChart(const QString& title, trends::TrendSeries series, QWidget* parent = nullptr);

    const trends::TrendSeries& Series() const { return series_; }
    // Top left to bottom right; the index chart only when there is a history.
    const std::vector<QChartView*>& Charts() const { return charts_; }
    // What hovering the series near `at` (in the chart's values) shows.
    QString HoverText(QXYSeries* series, const QPointF& at) const;
    QString LastHoverText() const { return lastHover_; }

    // Asks the system's print dialog, then prints the charts on one page.
    void Print();
    // Asks for a file name; the file's ending picks PNG or PDF.
    void SaveAs();
    // Writes the charts as PDF (a name ending in .pdf) or PNG; a failure or
    // a refused file is shown in a message box. False then.
    bool SaveTo(const QString& file);
    // The charts as they stand in the window, `scale` times their size.
    QImage ChartImage(qreal scale = 2.0);

  private:
    struct Shown {
        const std::vector<trends::TrendPoint>* points;
        QList<QPointF> chartPoints;
        QString label;
        QString unit;
        int decimals;
    };

    void BuildTools();
    void BuildCharts();
    QChartView* AddChart(const QString& title, const QString& valueTitle);
    QXYSeries* AddSeries(QChartView* view, const std::vector<trends::TrendPoint>& points,
                         const QString& label, const QString& unit, int decimals);
    void FinishAxes(QChartView* view, double low, double high);
    void ShowHover(QXYSeries* series, const QPointF& at, bool entered);
    void PaintCharts(QPainter& painter, const QRectF& area);
    void PaintPage(QPainter& painter, const QRectF& page);
    bool WriteFile(const QString& file, QString* error);

    trends::TrendSeries series_;
    QWidget* panel_ = nullptr;
    std::vector<QChartView*> charts_;
    std::map<QXYSeries*, Shown> shown_;
    QString lastHover_;
};

}  // namespace parlow::reports
