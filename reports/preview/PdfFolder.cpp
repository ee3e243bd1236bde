#include "reports/preview/PdfFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace parlow::reports {
namespace {

QString& LastFolder() {
    static QString folder;
    return folder;
}

}  // namespace

QString PdfStartingFolder() {
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir()) {
        return LastFolder();
    }
    // A documents folder that was never made would leave the dialog in the
    // folder the program runs in.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

void RememberPdfFolder(const QString& file) {
    LastFolder() = QFileInfo(file).absolutePath();
}

}  // namespace parlow::reports
