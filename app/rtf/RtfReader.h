#pragma once
// The rich-text boxes of the screens: a small RTF reader covering what the
// program's own text files use (groups, paragraphs, bold, italic, underline,
// font size, fonts, colours, escaped and Unicode characters). Whatever it
// does not know it skips; no input makes it crash or hang.
#include <QByteArray>
#include <filesystem>

class QTextDocument;
class QTextEdit;

namespace parlow {

// Replaces the document's contents with the text of the RTF bytes.
void ParseRtf(const QByteArray& rtf, QTextDocument& document);

// Shows the RTF file read-only in the box, scrolled to its start. A missing
// or unreadable file leaves the box empty.
void LoadRtfFile(QTextEdit* box, const std::filesystem::path& file);

}  // namespace parlow
