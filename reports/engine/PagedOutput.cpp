#include "reports/engine/PagedOutput.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "reports/engine/Report.h"
#include "ui/ExportTarget.h"
#include "ui/ProgramState.h"

namespace parlow::reports {

void ApplyPageSettings(const Layout& layout, QPagedPaintDevice& device) {
    const auto orientation = layout.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait;
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), orientation,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
}

bool PaintPages(const Report& report, QPagedPaintDevice& device, int first, int last) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    UseTwips(painter, device.logicalDpiX());
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            return false;
        }
        report.DrawPage(painter, page);
    }
    return painter.end();
}

bool WritePdf(const Report& report, const QString& file, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    const std::string refused =
        RefusedExportTarget(QFile::encodeName(file).toStdString(), ProgramFolder());
    if (!refused.empty()) {
        return fail(QString::fromStdString(refused));
    }
    // Written beside the target and renamed over it once complete, so a
    // failure leaves no part of a file behind.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return fail(QString("Cannot write %1: %2").arg(file, out.errorString()));
    }
    {
        QPdfWriter writer(&out);
        writer.setTitle(report.GetLayout().title);
        writer.setCreator("The Parlow's Log");
        ApplyPageSettings(report.GetLayout(), writer);
        if (!PaintPages(report, writer, 0, report.PageCount() - 1)) {
            out.cancelWriting();
            return fail(QString("Cannot draw the report into %1").arg(file));
        }
    }
    if (!out.commit()) {
        return fail(QString("Cannot write %1: %2").arg(file, out.errorString()));
    }
    return true;
}

}  // namespace parlow::reports
