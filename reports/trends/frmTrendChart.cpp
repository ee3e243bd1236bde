#include "reports/trends/frmTrendChart.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDateTimeAxis>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "reports/preview/PdfFolder.h"
#include "reports/review/ReviewList.h"
#include "reports/trends/ChartAxes.h"
#include "ui/BusyCursor.h"
#include "ui/ExportTarget.h"
#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"

namespace parlow::reports {

namespace {

// Markers on every round while they can be told apart; a long history is
// read from its line.
constexpr std::size_t kMostMarkedPoints = 60;
constexpr std::size_t kMostSmoothedPoints = 1000;
constexpr double kDayMs = 86'400'000.0;
// A window's charts about 10 inches across at some 300 dots an inch.
constexpr qreal kPaperScale = 3.0;

QPageLayout ChartPage() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                       QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}

std::pair<double, double> ValueSpan(const std::vector<trends::TrendPoint>& points) {
    if (points.empty()) {
        return {0, 1};
    }
    const auto [low, high] =
        std::minmax_element(points.begin(), points.end(),
                            [](const auto& a, const auto& b) { return a.value < b.value; });
    return {low->value, high->value};
}

}  // namespace

frmTrendChart::frmTrendChart(const QString& title, trends::TrendSeries series, QWidget* parent)
    : QWidget(parent), series_(std::move(series)) {
    setObjectName("frmTrendChart");
    setWindowTitle("Trends: " + title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildTools();
    panel_ = new QWidget(this);
    panel_->setObjectName("charts");
    panel_->setAutoFillBackground(true);
    QPalette white = panel_->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel_->setPalette(white);
    auto* grid = new QGridLayout(panel_);
    grid->addWidget(NewHeading(title, panel_), 0, 0, 1, 2);
    layout->addWidget(panel_, 1);
    BuildCharts();
}

void frmTrendChart::BuildTools() {
    auto* tools = new QToolBar(this);
    tools->setObjectName("chartTools");
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [this, tools](const QString& text, const QKeySequence& key, auto run) {
        auto* action = new QAction(text, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        tools->addAction(action);
    };
    add("&Print...", QKeySequence::Print, [this] { Print(); });
    add("&Save As...", QKeySequence::Save, [this] { SaveAs(); });
    tools->addSeparator();
    add("&Close", Qt::Key_Escape, [this] { CloseScreen(this); });
    layout()->addWidget(tools);
}

void frmTrendChart::BuildCharts() {
    auto* grid = static_cast<QGridLayout*>(panel_->layout());
    QChartView* scores = AddChart("Gross Score per Round", "Strokes");
    AddSeries(scores, series_.gross, "Gross", "", 0);
    AddSeries(scores, series_.grossAverage, "Average of the last 5", "", 1);
    const auto [lowGross, highGross] = ValueSpan(series_.gross);
    FinishAxes(scores, lowGross - 2, highGross + 2);

    QChartView* putts = AddChart("Putts per Round", "Putts");
    AddSeries(putts, series_.putts, "Putts", "", 0);
    const auto [lowPutts, highPutts] = ValueSpan(series_.putts);
    FinishAxes(putts, std::max(0.0, lowPutts - 2), highPutts + 2);

    QChartView* hit = AddChart("Greens and Fairways Hit", "Percent");
    AddSeries(hit, series_.greensHit, "Greens hit", "%", 1);
    AddSeries(hit, series_.fairwaysHit, "Fairways hit", "%", 1);
    FinishAxes(hit, 0, 100);

    if (series_.index.empty()) {
        grid->addWidget(scores, 1, 0, 1, 2);
        grid->addWidget(putts, 2, 0);
        grid->addWidget(hit, 2, 1);
        return;
    }
    QChartView* index = AddChart("Handicap Index", "Index");
    AddSeries(index, series_.index, "Handicap Index", "", 1);
    const auto [lowIndex, highIndex] = ValueSpan(series_.index);
    FinishAxes(index, lowIndex - 1, highIndex + 1);
    grid->addWidget(scores, 1, 0);
    grid->addWidget(index, 1, 1);
    grid->addWidget(putts, 2, 0);
    grid->addWidget(hit, 2, 1);
}

QChartView* frmTrendChart::AddChart(const QString& title, const QString& valueTitle) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, panel_);
    // Smoothing thousands of segments a pixel apart costs more than it shows.
    view->setRenderHint(QPainter::Antialiasing, series_.gross.size() <= kMostSmoothedPoints);
    view->setMinimumSize(320, 220);
    auto* time = new QDateTimeAxis;
    time->setFormat("MMM yyyy");
    auto* value = new QValueAxis;
    value->setTitleText(valueTitle);
    value->setLabelFormat("%.0f");
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(value, Qt::AlignLeft);
    charts_.push_back(view);
    return view;
}

QXYSeries* frmTrendChart::AddSeries(QChartView* view, const std::vector<trends::TrendPoint>& points,
                                    const QString& label, const QString& unit, int decimals) {
    auto* line = new QLineSeries;
    line->setName(label);
    Shown shown{&points, ChartPoints(points), label, unit, decimals};
    line->replace(shown.chartPoints);
    line->setPointsVisible(points.size() <= kMostMarkedPoints);
    view->chart()->addSeries(line);
    for (QAbstractAxis* axis : view->chart()->axes()) {
        line->attachAxis(axis);
    }
    shown_.emplace(line, std::move(shown));
    connect(line, &QXYSeries::hovered, this,
            [this, line](const QPointF& at, bool entered) { ShowHover(line, at, entered); });
    return line;
}

// The time axis spans the rounds shown, a day either side so that a single
// round stands clear of the frame.
void frmTrendChart::FinishAxes(QChartView* view, double low, double high) {
    const QList<QPointF> times = ChartPoints(series_.gross);
    const double first = times.isEmpty() ? 0 : times.front().x();
    const double last = times.isEmpty() ? kDayMs : times.back().x();
    const double margin = std::max(kDayMs, (last - first) / 40);
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal)) {
        axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first - margin), Qt::UTC),
                       QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last + margin), Qt::UTC));
    }
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Vertical)) {
        auto* value = static_cast<QValueAxis*>(axis);
        value->setRange(low, high);
        // Whole strokes and putts on the ticks, not fractions rounded away.
        value->applyNiceNumbers();
    }
}

QString frmTrendChart::HoverText(QXYSeries* series, const QPointF& at) const {
    const auto found = shown_.find(series);
    if (found == shown_.end()) {
        return {};
    }
    const Shown& shown = found->second;
    const int nearest = NearestPoint(shown.chartPoints, at);
    if (nearest < 0) {
        return {};
    }
    const trends::TrendPoint& point = (*shown.points)[static_cast<std::size_t>(nearest)];
    return QString("%1\n%2\n%3 %4%5")
        .arg(ShownDate(QString::fromStdString(point.playDate)), QString::fromStdString(point.club),
             shown.label, QString::number(point.value, 'f', shown.decimals), shown.unit);
}

void frmTrendChart::ShowHover(QXYSeries* series, const QPointF& at, bool entered) {
    if (!entered) {
        QToolTip::hideText();
        return;
    }
    lastHover_ = HoverText(series, at);
    QToolTip::showText(QCursor::pos(), lastHover_, this);
}

// The panel at `scale` times its size in the window, centred in `area`.
void frmTrendChart::PaintCharts(QPainter& painter, const QRectF& area) {
    const QSizeF size = panel_->size();
    if (size.isEmpty()) {
        return;
    }
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.save();
    painter.translate(area.center() - QPointF(size.width() * scale, size.height() * scale) / 2);
    painter.scale(scale, scale);
    panel_->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

QImage frmTrendChart::ChartImage(qreal scale) {
    QImage image((QSizeF(panel_->size()) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    PaintCharts(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

// Paper gets the charts as a picture of about 300 dots an inch: drawn as
// vectors onto a PDF or printer, the charts lose their legends' markers.
void frmTrendChart::PaintPage(QPainter& painter, const QRectF& page) {
    const QImage image = ChartImage(kPaperScale);
    const QSizeF fitted = QSizeF(image.size()).scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(page.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted),
                      image);
}

void frmTrendChart::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ChartPage());
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 1);
    dialog.setWindowTitle("Print " + windowTitle());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    bool printed = false;
    {
        BusyCursor busy;
        QPainter painter;
        if (painter.begin(&printer)) {
            PaintPage(painter, QRectF(QPointF(0, 0), QSizeF(printer.width(), printer.height())));
            printed = painter.end();
        }
    }
    if (!printed) {
        ShowMessage("The chart could not be printed.", zeviza::Icon::Critical);
    }
}

void frmTrendChart::SaveAs() {
    // A golfer's name must not carry a folder separator into the dialog.
    QString name = windowTitle();
    name.replace(':', ' ').replace('/', '-');
    QString filter;
    QString file = QFileDialog::getSaveFileName(
        this, "Save Chart", QDir(PdfStartingFolder()).filePath(name.simplified() + ".png"),
        "PNG images (*.png);;PDF files (*.pdf)", &filter);
    if (file.isEmpty()) {
        return;
    }
    RememberPdfFolder(file);
    const bool pdf = filter.startsWith("PDF");
    if (!file.endsWith(".png", Qt::CaseInsensitive) &&
        !file.endsWith(".pdf", Qt::CaseInsensitive)) {
        file += pdf ? ".pdf" : ".png";
    }
    SaveTo(file);
}

bool frmTrendChart::WriteFile(const QString& file, QString* error) {
    const std::string refused =
        RefusedExportTarget(QFile::encodeName(file).toStdString(), ProgramFolder());
    if (!refused.empty()) {
        *error = QString::fromStdString(refused);
        return false;
    }
    // Written beside the target and renamed over it once complete, so a
    // failure leaves no part of a file behind.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = QString("Cannot write %1: %2").arg(file, out.errorString());
        return false;
    }
    bool drawn = false;
    if (file.endsWith(".pdf", Qt::CaseInsensitive)) {
        QPdfWriter writer(&out);
        writer.setTitle(windowTitle());
        writer.setCreator("The Parlow's Log");
        writer.setPageLayout(ChartPage());
        QPainter painter;
        if (painter.begin(&writer)) {
            PaintPage(painter, QRectF(0, 0, writer.width(), writer.height()));
            drawn = painter.end();
        }
    } else {
        drawn = ChartImage().save(&out, "PNG");
    }
    if (!drawn) {
        out.cancelWriting();
        *error = QString("Cannot draw the charts into %1").arg(file);
        return false;
    }
    if (!out.commit()) {
        *error = QString("Cannot write %1: %2").arg(file, out.errorString());
        return false;
    }
    return true;
}

bool frmTrendChart::SaveTo(const QString& file) {
    QString error;
    bool saved = false;
    {
        BusyCursor busy;
        saved = WriteFile(file, &error);
    }
    if (!saved) {
        ShowMessage(("The chart was NOT saved.\r\n" + error).toStdString(), zeviza::Icon::Critical);
    }
    return saved;
}

}  // namespace parlow::reports
