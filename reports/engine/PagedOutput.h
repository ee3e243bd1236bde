#pragma once
// Printing a report on paged devices: the printer and the PDF writer get the
// page settings of the layout and the very pages the preview draws.
#include <QString>

class QPagedPaintDevice;

namespace parlow::reports {

class Report;
struct Layout;

// Letter paper in the layout's orientation, no margins of the device's own:
// the layout places its bands itself.
void ApplyPageSettings(const Layout& layout, QPagedPaintDevice& device);

// Draws pages first..last (zero-based, inclusive) one per sheet. False when
// the device cannot be painted on.
bool PaintPages(const Report& report, QPagedPaintDevice& device, int first, int last);

// The whole report into a PDF file, replaced only once every page is written.
bool WritePdf(const Report& report, const QString& file, QString* error);

}  // namespace parlow::reports
