#pragma once
// What a PDF file holds, read back with poppler's tools.
#include <QString>
#include <QStringList>

namespace report_samples {

// The text of every page, laid out as printed; pages end with a form feed.
QString PdfText(const QString& file);
// "612 x 792" (points, width by height) of the first page.
QString PdfPageSize(const QString& file);
// The first printed line holding `caption`, blanks squeezed; empty when none.
QString LineWith(const QString& text, const QString& caption);

}  // namespace report_samples
