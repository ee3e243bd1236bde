#pragma once
// A topic's text as the help window shows it. In the text a blank line ends
// a paragraph, "=== Name" is a heading, "- " starts a list item, **words**
// are bold and [[Topic]] links to another topic of the file.
#include <QString>
#include <QUrl>
#include <cstddef>
#include <optional>

#include "app/help/HelpFile.h"

namespace parlow {

QString TopicHtml(const HelpFile& file, std::size_t topic);

// The topic a link of TopicHtml leads to.
std::optional<std::size_t> TopicOfLink(const QUrl& link);

}  // namespace parlow
