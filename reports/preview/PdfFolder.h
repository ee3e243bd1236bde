#pragma once
// Where Save as PDF starts: the folder last saved into during this session,
// else the user's documents folder (the home folder when there is none).
// Never the program folder, where the log itself lives.
#include <QString>

namespace parlow::reports {

QString PdfStartingFolder();
// The folder of the file the user chose to save.
void RememberPdfFolder(const QString& file);

}  // namespace parlow::reports
