// Reading the help file, turning topics into text and finding them by words.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <random>

#include "app/help/HelpFile.h"
#include "app/help/HelpSearch.h"
#include "app/help/HelpTopicHtml.h"
#include "tests/app/help/ShippedAsset.h"

namespace {

using parlow::HelpFile;
using parlow::ParseHelpText;

const char* const kSmallHelp =
    "; a note\n"
    "title: Test Help\n"
    "== Before any book\n"
    "Loose topic.\n"
    "= Golfers\n"
    "== Adding a golfer\n"
    "Type the **first name** and the\n"
    "handicap.\n"
    "\n"
    "=== Fields\n"
    "- Age & sex <required>\n"
    "- See [[Putting averages]] and [[No such topic]].\n"
    "= Statistics\n"
    "== Putting averages\n"
    "Total putts divided by holes played.\n"
    "== Greens hit\n"
    "Greens missed, putting aside.\n";

TEST(HelpFileTest, BooksTopicsAndNotesAreReadFromTheText) {
    const HelpFile file = ParseHelpText(kSmallHelp);
    EXPECT_EQ(file.title, "Test Help");
    ASSERT_EQ(file.topics.size(), 4u);
    EXPECT_EQ(file.topics[0].book, "");
    EXPECT_EQ(file.topics[1].book, "Golfers");
    EXPECT_EQ(file.topics[1].title, "Adding a golfer");
    EXPECT_EQ(file.topics[3].book, "Statistics");
    EXPECT_TRUE(file.topics[1].lines.contains("=== Fields"));
    EXPECT_FALSE(file.topics[1].lines.join(' ').contains("a note"));
    EXPECT_EQ(file.FindTopic("  putting AVERAGES "), 2u);
    EXPECT_FALSE(file.FindTopic("Missing"));
}

TEST(HelpFileTest, TopicTextBecomesParagraphsHeadingsListsAndLinks) {
    const HelpFile file = ParseHelpText(kSmallHelp);
    const QString html = parlow::TopicHtml(file, 1);
    EXPECT_TRUE(html.contains("<h2>Adding a golfer</h2>"));
    EXPECT_TRUE(html.contains("<p>Type the <b>first name</b> and the handicap.</p>"));
    EXPECT_TRUE(html.contains("<h3>Fields</h3>"));
    EXPECT_TRUE(html.contains("<li>Age &amp; sex &lt;required&gt;</li>"));
    EXPECT_TRUE(html.contains("<a href=\"topic:2\">Putting averages</a>"));
    EXPECT_TRUE(html.contains("and No such topic."));  // a broken link reads as text
    EXPECT_EQ(parlow::TopicOfLink(QUrl("topic:2")), 2u);
    EXPECT_FALSE(parlow::TopicOfLink(QUrl("https://example.com/2")));
    EXPECT_TRUE(parlow::TopicHtml(file, 99).isEmpty());
}

TEST(HelpFileTest, UnfinishedMarkupStaysAsTyped) {
    const HelpFile file = ParseHelpText(
        "== One\nA **lone star and [[an open link\n== One\nSecond of the name.\n"
        "title: late title\n");
    EXPECT_TRUE(file.title.isEmpty());
    const QString html = parlow::TopicHtml(file, 0);
    EXPECT_TRUE(html.contains("<p>A **lone star and [[an open link</p>")) << html.toStdString();
    // Two topics of one title: a link leads to the first.
    EXPECT_EQ(file.FindTopic("one"), 0u);
    EXPECT_TRUE(file.topics[1].lines.contains("title: late title"));
}

TEST(HelpFileTest, SearchNeedsEveryWordAndPutsTitleMatchesFirst) {
    const HelpFile file = ParseHelpText(kSmallHelp);
    const parlow::HelpIndex index(file);
    // The title match first, then the link text of topic 1 and the body of 3.
    EXPECT_EQ(index.Find("putt"), (std::vector<std::size_t>{2, 1, 3}));
    EXPECT_EQ(index.Find("PUTTING greens"), (std::vector<std::size_t>{3}));
    EXPECT_EQ(index.Find("handicap"), (std::vector<std::size_t>{1}));
    EXPECT_TRUE(index.Find("handicap greens").empty());
    EXPECT_TRUE(index.Find("  ?! ").empty());
    EXPECT_EQ(parlow::SearchWords("Golfer's 18-hole"), (QStringList{"golfer", "s", "18", "hole"}));
}

TEST(HelpFileTest, MalformedHelpTextIsReadWithoutHarm) {
    std::mt19937 random(7);
    const QString pieces[] = {"=", "==", "===", "- ", "[[", "]]", "**", "\n", "title:", ";", "x"};
    for (int round = 0; round < 500; ++round) {
        QString text;
        for (int i = 0; i < 200; ++i) {
            text += pieces[random() % std::size(pieces)];
        }
        const HelpFile file = ParseHelpText(text);
        const parlow::HelpIndex index(file);
        for (std::size_t topic = 0; topic < file.topics.size(); ++topic) {
            parlow::TopicHtml(file, topic);
        }
        index.Find(text.left(20));
    }
    EXPECT_FALSE(parlow::ReadHelpFile("/no/such/plg.hlp"));
}

// The shipped help must hold together: every link leads somewhere and no
// two topics share a title, so the contents and the links agree.
TEST(HelpFileTest, ShippedHelpLinksResolveAndTitlesAreUnique) {
    const auto file = parlow::ReadHelpFile(help_tests::ShippedAsset("help/plg.hlp"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->title, "The Parlow's Log Help");
    EXPECT_GT(file->topics.size(), 20u);
    QSet<QString> titles;
    const QRegularExpression link(R"(\[\[([^\]]*)\]\])");
    for (const parlow::HelpTopic& topic : file->topics) {
        EXPECT_FALSE(titles.contains(topic.title.toCaseFolded())) << topic.title.toStdString();
        titles.insert(topic.title.toCaseFolded());
        EXPECT_FALSE(topic.book.isEmpty()) << topic.title.toStdString();
        const QString text = topic.lines.join('\n');
        EXPECT_FALSE(text.trimmed().isEmpty()) << topic.title.toStdString();
        for (const auto& match : link.globalMatch(text)) {
            EXPECT_TRUE(file->FindTopic(match.captured(1)))
                << topic.title.toStdString() << " -> " << match.captured(1).toStdString();
        }
    }
}

}  // namespace
