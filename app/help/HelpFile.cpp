#include "app/help/HelpFile.h"

#include <QFile>

namespace parlow {
namespace {

// Far above the help the program ships; a larger file is not ours.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

bool StartsWithMark(const QString& line, const QString& mark) {
    return line.startsWith(mark) && !line.startsWith(mark + u'=');
}

QString AfterMark(const QString& line, const QString& mark) {
    return line.mid(mark.size()).trimmed();
}

QString TitleKey(const QString& title) {
    return title.trimmed().toCaseFolded();
}

}  // namespace

std::optional<std::size_t> HelpFile::FindTopic(const QString& title) const {
    const auto found = topicByTitle.constFind(TitleKey(title));
    if (found == topicByTitle.cend()) {
        return std::nullopt;
    }
    return *found;
}

HelpFile ParseHelpText(const QString& text) {
    HelpFile file;
    QString book;
    HelpTopic* topic = nullptr;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u';')) {
            continue;
        }
        if (topic == nullptr && trimmed.startsWith(QLatin1String("title:"))) {
            file.title = AfterMark(trimmed, QStringLiteral("title:"));
        } else if (StartsWithMark(trimmed, QStringLiteral("=="))) {
            file.topics.push_back({book, AfterMark(trimmed, QStringLiteral("==")), {}});
            topic = &file.topics.back();
            const QString key = TitleKey(topic->title);
            if (!file.topicByTitle.contains(key)) {
                file.topicByTitle.insert(key, file.topics.size() - 1);
            }
        } else if (StartsWithMark(trimmed, QStringLiteral("="))) {
            book = AfterMark(trimmed, QStringLiteral("="));
            topic = nullptr;
        } else if (topic != nullptr) {
            topic->lines.append(trimmed);
        }
    }
    return file;
}

std::optional<HelpFile> ReadHelpFile(const std::filesystem::path& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly) || input.size() > kMaxFileSize) {
        return std::nullopt;
    }
    const QByteArray bytes = input.read(kMaxFileSize);
    if (input.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    HelpFile help = ParseHelpText(QString::fromUtf8(bytes));
    if (help.topics.empty()) {
        return std::nullopt;
    }
    return help;
}

}  // namespace parlow
