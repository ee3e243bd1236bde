#include "tests/reports/engine/PdfText.h"

#include <QProcess>
#include <QRegularExpression>

namespace report_samples {

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

QString PdfText(const QString& file) {
    return Run("pdftotext", {"-layout", "-enc", "UTF-8", file, "-"});
}

QString PdfPageSize(const QString& file) {
    const QString info = Run("pdfinfo", {file});
    static const QRegularExpression size(R"(Page size:\s+([\d.]+) x ([\d.]+))");
    const QRegularExpressionMatch match = size.match(info);
    return match.hasMatch() ? match.captured(1) + " x " + match.captured(2) : QString();
}

QString LineWith(const QString& text, const QString& caption) {
    for (const QString& line : text.split('\n')) {
        if (line.contains(caption)) {
            return line.simplified();
        }
    }
    return {};
}

}  // namespace report_samples
