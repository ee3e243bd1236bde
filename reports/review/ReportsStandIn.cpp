// TEMPORARY: stands in for the report engine until it is merged; the build
// leaves this file out as soon as a Reports.cpp exists under reports/.
// Delete it then. A plain window and a one-page PDF with the caption, so the
// screens and the command line can be used and tested meanwhile.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPdfWriter>
#include <map>

#include "Reports.h"

namespace parlow::reports {

namespace {

const std::map<std::string, QString>& Captions() {
    static const std::map<std::string, QString> captions = {
        {"rptGameStats", "The Parlow's Log - Individual Game Stats"},
        {"rptClubData", "The Parlow's Log - Club Profile"},
        {"rptScoreCard", "The Parlow's Log"},
        {"rptGames18Hist", "The Parlow's Log - 18 Hole Games Datasheet"},
        {"rptGames9Hist", "The Parlow's Log - 9 Hole Games Datasheet"},
        {"rptGolfer18Stats", "The Parlow's Log - 18 Hole Games Stats"},
        {"rptGolfer9Stats", "The Parlow's Log - 9 Hole Game Stats"},
        {"rptScore18Stats", "The Parlow's Log - 18 Hole Games"},
        {"rptScore9Stats", "The Parlow's Log - 9 Hole Games"},
    };
    return captions;
}

QString Summary(const std::string& layout, const ReportData& data) {
    QString text = LayoutCaption(layout) + "\n\n";
    zeviza::RecordSet rows = data.rows;
    for (rows.MoveFirst(); rows.IsOpen() && !rows.Eof(); rows.MoveNext()) {
        for (std::size_t c = 0; c < rows.Columns().size() && c < 6; ++c) {
            text +=
                QString::fromStdString(rows.Columns()[c] + ": " + rows.Field(c).ToText()) + "   ";
        }
        text += "\n";
    }
    return text;
}

QMdiArea* MainArea() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            if (auto* area = qobject_cast<QMdiArea*>(main->centralWidget())) {
                return area;
            }
        }
    }
    return nullptr;
}

}  // namespace

bool IsKnownLayout(const std::string& layout) {
    return Captions().count(layout) != 0;
}

QString LayoutCaption(const std::string& layout) {
    auto at = Captions().find(layout);
    return at == Captions().end() ? QString() : at->second;
}

bool RenderReportPdf(const std::string& layout, const ReportData& data, const QString& file,
                     QString* error) {
    if (!IsKnownLayout(layout)) {
        if (error != nullptr) {
            *error = QString("unknown report layout '%1'").arg(QString::fromStdString(layout));
        }
        return false;
    }
    {
        QPdfWriter pdf(file);
        QPainter painter;
        if (!painter.begin(&pdf)) {
            if (error != nullptr) {
                *error = QString("cannot write '%1'").arg(file);
            }
            QFile::remove(file);
            return false;
        }
        painter.drawText(QRect(0, 0, pdf.width(), pdf.height()), Summary(layout, data));
    }
    return true;
}

QMdiSubWindow* ShowReportPreview(const std::string& layout, const ReportData& data) {
    QMdiArea* area = MainArea();
    if (area == nullptr || !IsKnownLayout(layout)) {
        return nullptr;
    }
    auto* page = new QLabel(Summary(layout, data));
    page->setTextFormat(Qt::PlainText);
    page->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    page->setMargin(12);
    page->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = area->addSubWindow(page);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(LayoutCaption(layout));
    window->resize(640, 420);
    window->show();
    return window;
}

}  // namespace parlow::reports
