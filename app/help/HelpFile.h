#pragma once
// The program's help file: a plain text of books and topics.
//
//   ; a note for whoever edits the file
//   title: The name of the help window
//   = Book            starts a book of the contents
//   == Topic          starts a topic, in the last book named
//   text lines        the topic's text, shown by TopicHtml
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace parlow {

struct HelpTopic {
    QString book;  // empty for a topic ahead of every book
    QString title;
    QStringList lines;
};

struct HelpFile {
    QString title;
    std::vector<HelpTopic> topics;

    // The topic of that title, compared without regard to case; the first
    // one when two share it.
    std::optional<std::size_t> FindTopic(const QString& title) const;

    // Kept by ParseHelpText, so that following links costs nothing.
    QHash<QString, std::size_t> topicByTitle;
};

HelpFile ParseHelpText(const QString& text);

// Nothing when the file cannot be read or holds no topic.
std::optional<HelpFile> ReadHelpFile(const std::filesystem::path& file);

}  // namespace parlow
