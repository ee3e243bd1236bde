// What the reader makes of each construct the program's text files use.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <string>

#include "app/rtf/RtfReader.h"

namespace {

std::unique_ptr<QTextDocument> Parsed(const char* rtf) {
    auto document = std::make_unique<QTextDocument>();
    parlow::ParseRtf(QByteArray(rtf), *document);
    return document;
}

// The character format of the first occurrence of `text` in the document.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text) {
    QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor inside(found.block());
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat();
}

// Raw, so that no-break spaces are not shown as plain ones; UTF-8, so that
// a failure prints readable text.
std::string Text(const char* rtf) {
    return Parsed(rtf)->toRawText().toStdString();
}

TEST(RtfFormattingTest, BoldItalicAndUnderlineRunsEndWithTheirGroupOrSwitch) {
    const auto document =
        Parsed(R"({\rtf1\ansi plain {\b bold} \i slanted\i0  \ul under\ulnone  \b1 on\b0  off})");
    EXPECT_EQ(document->toPlainText(), "plain bold slanted under on off");
    EXPECT_EQ(FormatOf(*document, "bold").fontWeight(), QFont::Bold);
    EXPECT_NE(FormatOf(*document, "plain").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(*document, "slanted").fontItalic());
    EXPECT_FALSE(FormatOf(*document, "under").fontItalic());
    EXPECT_TRUE(FormatOf(*document, "under").fontUnderline());
    EXPECT_EQ(FormatOf(*document, "on").fontWeight(), QFont::Bold);
    EXPECT_NE(FormatOf(*document, "off").fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatOf(*document, "off").fontUnderline());
}

TEST(RtfFormattingTest, ColoursComeFromTheTableAndUnknownIndexesKeepTheDefault) {
    const auto document = Parsed(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
                                 R"(\cf1 red \cf2 blue \cf0 auto \cf9 beyond \cf-4 negative})");
    EXPECT_EQ(document->toPlainText(), "red blue auto beyond negative");
    EXPECT_EQ(FormatOf(*document, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(*document, "blue").foreground().color(), QColor(0, 0, 255));
    for (const char* plain : {"auto", "beyond", "negative"}) {
        EXPECT_FALSE(FormatOf(*document, plain).hasProperty(QTextFormat::ForegroundBrush)) << plain;
    }
}

TEST(RtfFormattingTest, FontSizesAndFamiliesApplyAndPlainResetsThem) {
    const auto document =
        Parsed(R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1\fscript{\*\panose 0}Comic Sans MS;}})"
               R"(\f1\fs36 large \plain small \fs99999999999 huge})");
    EXPECT_EQ(document->toPlainText(), "large small huge");
    EXPECT_DOUBLE_EQ(FormatOf(*document, "large").fontPointSize(), 18.0);
    EXPECT_EQ(FormatOf(*document, "large").fontFamilies().toStringList(),
              QStringList{"Comic Sans MS"});
    EXPECT_FALSE(FormatOf(*document, "small").hasProperty(QTextFormat::FontPointSize));
    EXPECT_FALSE(FormatOf(*document, "small").hasProperty(QTextFormat::FontFamilies));
    EXPECT_LE(FormatOf(*document, "huge").fontPointSize(), 200.0);
}

TEST(RtfFormattingTest, EscapedCharactersAreReadAsWindowsText) {
    EXPECT_EQ(Text(R"({\rtf1 caf\'e9 \'80 \'93q\'94 back\\slash \{braces\} a\~b})"),
              "café € “q” back\\slash {braces} a\u00A0b");
    EXPECT_EQ(Text(R"({\rtf1 raw )"
                   "\xe9\x96"
                   "}"),
              "raw é–");
}

TEST(RtfFormattingTest, UnicodeCharactersReplaceTheirFallbacks) {
    EXPECT_EQ(Text(R"({\rtf1 \u8364?5 \u8594\'3e next})"), "€5 → next");
    EXPECT_EQ(Text(R"({\rtf1\uc2 \u8212--x \uc0 \u233 y})"), "—x éy");
    // Values above 32767 are written negative.
    EXPECT_EQ(Text(R"({\rtf1 \u-3913?})"), "\uF0B7");
    // A group end ends the fallback too.
    EXPECT_EQ(Text(R"({\rtf1\uc3 {\u233}ab})"), "éab");
}

TEST(RtfFormattingTest, ParagraphsLinesAndTabsShapeTheText) {
    const auto document =
        Parsed(R"({\rtf1 first\par \qc centred\line next\tab tabbed\par\pard last})");
    EXPECT_EQ(document->blockCount(), 3);
    EXPECT_EQ(document->findBlockByNumber(0).text(), "first");
    EXPECT_EQ(document->findBlockByNumber(1).text(), QString("centred\u2028next\ttabbed"));
    EXPECT_EQ(document->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(document->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignLeft);
}

TEST(RtfFormattingTest, DestinationsThatAreNotTextAreSkipped) {
    EXPECT_EQ(Text(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;})"
                   R"({\stylesheet{\s0 Normal;}}{\info{\title Secret}{\author Me}})"
                   R"({\*\generator Writer}{\*\unknownthing {nested} text})"
                   R"({\pict\pngblip 89504e47}{\header page head}shown})"),
              "shown");
    // Binary data may hold braces and backslashes; none of it is read as RTF.
    EXPECT_EQ(Text("{\\rtf1 a{\\pict\\bin6 }}{\\x\\}b}"), "ab");
    // A skipped group stays skipped even if a table word turns up inside it.
    EXPECT_EQ(Text(R"({\rtf1{\info{\fonttbl{\f0 Hidden;}}}seen})"), "seen");
}

TEST(RtfFormattingTest, ProgramTextFilesReadCleanly) {
    for (const char* file : {"/assets/text/About.rtf", "/assets/help/The Parlow Log Help.rtf"}) {
        QFile input(QString(PARLOW_SOURCE_DIR) + file);
        ASSERT_TRUE(input.open(QIODevice::ReadOnly)) << file;
        QTextDocument document;
        parlow::ParseRtf(input.readAll(), document);
        const QString text = document.toPlainText();
        EXPECT_TRUE(text.contains("The Parlow\u2019s Log")) << file;
        for (const char* leak : {"\\", "{", "}", "Arial", "Comic Sans"}) {
            EXPECT_FALSE(text.contains(leak)) << file << " shows " << leak;
        }
    }
}

}  // namespace
