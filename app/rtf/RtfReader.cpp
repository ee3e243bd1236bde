#include "app/rtf/RtfReader.h"

#include <QFile>
#include <QTextEdit>
#include <optional>

#include "app/rtf/RtfInterpreter.h"

namespace parlow {
namespace {

// Far above any text the program ships; a larger file is not one of ours.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

std::optional<QByteArray> ReadSmallFile(const std::filesystem::path& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly) || input.size() > kMaxFileSize) {
        return std::nullopt;
    }
    QByteArray bytes = input.read(kMaxFileSize);
    if (input.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

void ParseRtf(const QByteArray& rtf, QTextDocument& document) {
    rtf::RtfInterpreter(rtf, document).Run();
}

void LoadRtfFile(QTextEdit* box, const std::filesystem::path& file) {
    if (box == nullptr) {
        return;
    }
    box->setReadOnly(true);
    box->clear();
    if (const auto bytes = ReadSmallFile(file)) {
        ParseRtf(*bytes, *box->document());
        box->moveCursor(QTextCursor::Start);
    }
}

}  // namespace parlow
