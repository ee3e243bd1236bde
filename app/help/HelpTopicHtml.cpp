#include "app/help/HelpTopicHtml.h"

namespace parlow {
namespace {

const QString kLinkScheme = QStringLiteral("topic");

// Every "**" toggles bold; a last one without a partner stays as typed.
QString WithBold(const QString& text) {
    const QStringList parts = text.split(QStringLiteral("**"));
    const bool balanced = parts.size() % 2 == 1;
    QString html;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = parts[i].toHtmlEscaped();
        if (!balanced && i == parts.size() - 1) {
            html += QStringLiteral("**") + part;
        } else if (i % 2 == 1) {
            html += QStringLiteral("<b>") + part + QStringLiteral("</b>");
        } else {
            html += part;
        }
    }
    return html;
}

QString Link(const HelpFile& file, const QString& title) {
    const auto target = file.FindTopic(title);
    if (!target) {
        return title.toHtmlEscaped();  // a broken link still reads as text
    }
    return QStringLiteral("<a href=\"%1:%2\">%3</a>")
        .arg(kLinkScheme, QString::number(*target), title.toHtmlEscaped());
}

QString InlineHtml(const HelpFile& file, const QString& text) {
    QString html;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(QStringLiteral("[["), from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QStringLiteral("]]"), open + 2);
        if (close < 0) {
            break;
        }
        html += WithBold(text.mid(from, open - from));
        html += Link(file, text.mid(open + 2, close - open - 2));
        from = close + 2;
    }
    return html + WithBold(text.mid(from));
}

// Gathers the topic's lines into paragraphs, headings and lists.
class BlockWriter {
  public:
    explicit BlockWriter(const HelpFile& file) : file_(file) {}

    void Add(const QString& line) {
        if (line.isEmpty()) {
            CloseParagraph();
            CloseList();
        } else if (line.startsWith(QStringLiteral("==="))) {
            CloseParagraph();
            CloseList();
            html_ += QStringLiteral("<h3>%1</h3>").arg(InlineHtml(file_, line.mid(3).trimmed()));
        } else if (line.startsWith(QStringLiteral("- "))) {
            CloseParagraph();
            if (!inList_) {
                html_ += QStringLiteral("<ul>");
                inList_ = true;
            }
            html_ += QStringLiteral("<li>%1</li>").arg(InlineHtml(file_, line.mid(2).trimmed()));
        } else {
            CloseList();
            paragraph_ += (paragraph_.isEmpty() ? QString() : QStringLiteral(" ")) + line;
        }
    }

    QString Finish() {
        CloseParagraph();
        CloseList();
        return html_;
    }

  private:
    void CloseParagraph() {
        if (!paragraph_.isEmpty()) {
            html_ += QStringLiteral("<p>%1</p>").arg(InlineHtml(file_, paragraph_));
            paragraph_.clear();
        }
    }

    void CloseList() {
        if (inList_) {
            html_ += QStringLiteral("</ul>");
            inList_ = false;
        }
    }

    const HelpFile& file_;
    QString html_;
    QString paragraph_;
    bool inList_ = false;
};

}  // namespace

QString TopicHtml(const HelpFile& file, std::size_t topic) {
    if (topic >= file.topics.size()) {
        return {};
    }
    const HelpTopic& shown = file.topics[topic];
    BlockWriter writer(file);
    for (const QString& line : shown.lines) {
        writer.Add(line);
    }
    return QStringLiteral("<h2>%1</h2>").arg(shown.title.toHtmlEscaped()) + writer.Finish();
}

std::optional<std::size_t> TopicOfLink(const QUrl& link) {
    if (link.scheme() != kLinkScheme) {
        return std::nullopt;
    }
    bool ok = false;
    const qulonglong topic = link.path().toULongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(topic);
}

}  // namespace parlow
