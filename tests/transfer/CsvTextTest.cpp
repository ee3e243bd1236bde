// RFC 4180 text both ways: what the writer quotes, and that the reader gives
// back every field exactly, whatever a golfer's name, note, postal code or
// phone number holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"

namespace {

struct FieldCase {
    const char* name;
    std::string text;
    std::string written;
};

TEST(CsvText, FieldsAreQuotedOnlyWhenTheyMustBeAndReadBackExactly) {
    const FieldCase cases[] = {
        {"plain", "Ann Lee", "Ann Lee"},
        {"empty", "", ""},
        {"comma", "Lee, Ann", "\"Lee, Ann\""},
        {"quote", "Ann \"Birdie\" Lee", "\"Ann \"\"Birdie\"\" Lee\""},
        {"only a quote", "\"", "\"\"\"\""},
        {"line feed", "first\nsecond", "\"first\nsecond\""},
        {"CRLF", "first\r\nsecond", "\"first\r\nsecond\""},
        {"lone CR", "first\rsecond", "\"first\rsecond\""},
        {"accents", "Émile Zoë Ñúñez", "Émile Zoë Ñúñez"},
        {"postal code with a leading zero", "02134", "02134"},
        {"phone with leading zeros", "0049 30 1234567", "0049 30 1234567"},
        {"blanks kept", "  padded  ", "  padded  "},
        {"apostrophe", "O'Brien", "O'Brien"},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(csv::Field(c.text), c.written);
        std::string appended = "x,";
        csv::AppendField(appended, c.text);
        EXPECT_EQ(appended, "x," + c.written);
        const std::string text = csv::Record({"A", "B", "C"}) + csv::Record({"1", c.text, "3"});
        std::string error;
        const auto table = csv::ReadText(text, error);
        ASSERT_TRUE(table.has_value()) << error;
        ASSERT_EQ(table->rows.size(), 1u);
        EXPECT_EQ(table->rows[0], (std::vector<std::string>{"1", c.text, "3"}));
    }
}

TEST(CsvText, ReadsWhatSpreadsheetsSave) {
    std::string error;
    // A byte order mark, LF line ends, no line end after the last record and
    // a blank line in between.
    const auto table = csv::ReadText("\xEF\xBB\xBFGolferID,Zip\nD2,02134\n\nD4,\"0,1\"", error);
    ASSERT_TRUE(table.has_value()) << error;
    EXPECT_EQ(table->header, (std::vector<std::string>{"GolferID", "Zip"}));
    ASSERT_EQ(table->rows.size(), 2u);
    EXPECT_EQ(table->rows[1], (std::vector<std::string>{"D4", "0,1"}));
    EXPECT_EQ(table->ColumnOf("Zip"), 1u);
    EXPECT_FALSE(table->ColumnOf("City").has_value());
}

TEST(CsvText, RowsKnowTheLineTheyStartOnPastQuotedLineBreaks) {
    std::string error;
    const auto table = csv::ReadText("A,B\r\n1,\"two\r\nlines\"\r\n3,4\r\n", error);
    ASSERT_TRUE(table.has_value()) << error;
    EXPECT_EQ(table->lines, (std::vector<std::size_t>{2, 4}));
}

TEST(CsvText, MalformedTextIsRefusedWithItsLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"A,B\r\n1,\"open\r\n", "line 2: a quoted field is never closed"},
        {"A,B\r\n1,2\r\n3,\"x\"y\r\n", "line 3: text after a closing quote"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(csv::ReadText(c.text, error).has_value());
        EXPECT_EQ(error, c.error);
    }
}

TEST(CsvText, EmptyTextHasNoHeader) {
    std::string error;
    const auto table = csv::ReadText("", error);
    ASSERT_TRUE(table.has_value());
    EXPECT_TRUE(table->header.empty());
    EXPECT_TRUE(table->rows.empty());
}

}  // namespace
