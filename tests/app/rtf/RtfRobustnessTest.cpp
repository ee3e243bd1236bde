// Whatever bytes it is given, the reader finishes, in time that grows with
// the input and not faster.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextDocument>
#include <QTextEdit>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/rtf/RtfReader.h"

namespace {

using Clock = std::chrono::steady_clock;

// A hang guard, not a speed target: a sound reader needs a small fraction.
constexpr auto kCeilingPerInput = std::chrono::seconds(10);

QString Parse(const QByteArray& input) {
    QTextDocument document;
    const auto start = Clock::now();
    parlow::ParseRtf(input, document);
    EXPECT_LT(Clock::now() - start, kCeilingPerInput) << input.left(80).toStdString();
    return document.toPlainText();
}

QByteArray ShippedFile(const char* relative) {
    QFile input(QString(PARLOW_SOURCE_DIR) + relative);
    EXPECT_TRUE(input.open(QIODevice::ReadOnly)) << relative;
    return input.readAll();
}

TEST(RtfRobustnessTest, HostileConstructsAreReadWithoutHarm) {
    EXPECT_EQ(Parse("}}}}text{{"), "text");
    EXPECT_EQ(Parse(QByteArray(200000, '{') + "deep" + QByteArray(5, '}') + " end"), "deep end");
    EXPECT_EQ(Parse(QByteArray(100000, '{') + QByteArray(100000, '}') + "flat"), "flat");
    EXPECT_EQ(Parse(R"({\rtf1\fs99999999999999999999999 \cf2147483648 \uc99999999999 big})"),
              "big");
    EXPECT_EQ(Parse(R"({\rtf1 a\bin99999999999999 never shown})"), "a");
    EXPECT_EQ(Parse(R"({\rtf1 \bin-5 b})"), "b");
    EXPECT_EQ(Parse(R"({\rtf1 \u99999999999?\u-99999999999?\u c})"), "c");
    EXPECT_EQ(Parse("{\\" + QByteArray(100000, 'x') + " tail}"), "tail");
    for (const char* truncated : {"{\\rtf1 \\", "{\\rtf1 \\'", "{\\rtf1 \\'4", "{\\rtf1 \\u",
                                  "{\\rtf1 \\u-", "{\\*", "{\\rtf1{\\colortbl;\\red"}) {
        Parse(truncated);
    }
    EXPECT_EQ(Parse(QByteArray("a\0b\r\nc", 6)), "abc");
}

TEST(RtfRobustnessTest, ManyShortRunsAndParagraphsStayLinear) {
    QByteArray runs = "{\\rtf1";
    for (int i = 0; i < 50000; ++i) {
        runs += i % 2 == 0 ? "{\\b x}" : "{\\i\\cf1 y}\\par ";
    }
    EXPECT_EQ(Parse(runs + "}").size(), 50000 + 25000);
}

class Mutator {
  public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    QByteArray RandomBytes() {
        QByteArray bytes(Below(2000), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(Below(256));
        }
        return bytes;
    }

    // Text made of the pieces RTF is built from, in any order.
    QByteArray RandomRtf() {
        static const char* const pieces[] = {
            "{",        "}",      "\\",          "\\b",    "\\b0",  "\\i",       "\\ul",
            "\\ulnone", "\\par",  "\\line",      "\\tab",  "\\fs",  "\\cf",      "\\f",
            "\\u",      "\\uc",   "\\'",         "\\*",    "\\bin", "\\fonttbl", "\\colortbl",
            "\\red",    "\\pict", "\\plain",     "\\pard", "\\qc",  ";",         " ",
            "-",        "9",      "99999999999", "?",      "text",  "\xe9",      "\\\\",
            "\\{",      "\\}",    "\r\n",        "ff"};
        QByteArray rtf;
        for (int count = Below(300); count > 0; --count) {
            rtf += pieces[Below(std::size(pieces))];
        }
        return rtf;
    }

    QByteArray Mutated(QByteArray bytes) {
        static const char specials[] = "{}\\';?-0123456789 ";
        for (int count = 1 + Below(8); count > 0 && !bytes.isEmpty(); --count) {
            const int at = Below(bytes.size());
            switch (Below(5)) {
                case 0:
                    bytes[at] = static_cast<char>(Below(256));
                    break;
                case 1:
                    bytes.remove(at, 1 + Below(40));
                    break;
                case 2:
                    bytes.insert(at, specials[Below(sizeof(specials) - 1)]);
                    break;
                case 3:
                    bytes.insert(at, bytes.mid(Below(bytes.size()), Below(200)));
                    break;
                default:
                    bytes.truncate(at);
                    break;
            }
        }
        return bytes;
    }

  private:
    int Below(qsizetype bound) {
        return static_cast<int>(std::uniform_int_distribution<qsizetype>(0, bound - 1)(random_));
    }

    std::mt19937 random_;
};

TEST(RtfRobustnessTest, ThousandsOfRandomAndMutatedInputsAllFinish) {
    Mutator mutator(20240604);
    const QByteArray shipped[] = {ShippedFile("/assets/text/About.rtf"),
                                  ShippedFile("/assets/help/The Parlow Log Help.rtf")};
    const auto start = Clock::now();
    for (int round = 0; round < 1500; ++round) {
        Parse(mutator.RandomBytes());
        Parse(mutator.RandomRtf());
        Parse(mutator.Mutated(shipped[round % 2]));
    }
    EXPECT_LT(Clock::now() - start, std::chrono::minutes(2));
}

TEST(RtfRobustnessTest, BoxStaysEmptyWhenTheFileCannotBeRead) {
    QTextEdit box;
    box.setPlainText("left over");
    parlow::LoadRtfFile(&box, "/no/such/folder/About.rtf");
    EXPECT_TRUE(box.toPlainText().isEmpty());
    EXPECT_TRUE(box.isReadOnly());

    parlow::LoadRtfFile(&box, std::filesystem::temp_directory_path());
    EXPECT_TRUE(box.toPlainText().isEmpty());

    parlow::LoadRtfFile(&box, std::filesystem::path(PARLOW_SOURCE_DIR) / "assets/text/About.rtf");
    EXPECT_TRUE(box.toPlainText().startsWith("A personal golf log"));
    EXPECT_EQ(box.textCursor().position(), 0);
    parlow::LoadRtfFile(nullptr, "/no/such/file");
}

}  // namespace
