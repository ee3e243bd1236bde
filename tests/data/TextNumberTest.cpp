#include <gtest/gtest.h>

#include <utility>

#include "tests/support/LocaleEnvironment.h"
#include "zeviza/TextNumber.h"

// Decimals as the user writes them: the point everywhere, the comma where
// the locale's numbers use one.

namespace {

using zeviza::ReadDecimal;
using zeviza::ReadWholeNumber;
using zeviza::TextReading;

TEST(TextNumberTest, TheLocaleSaysWhetherTheCommaIsADecimalSeparator) {
    for (const char* comma : {"de_DE.UTF-8", "fr_FR", "nl_NL.UTF-8@euro", "pt_BR.UTF-8"}) {
        EXPECT_EQ(zeviza::DecimalSeparatorOf(comma), ',') << comma;
    }
    for (const char* point :
         {"en_US.UTF-8", "en_GB", "ja_JP.UTF-8", "C", "C.UTF-8", "POSIX", "", "no such locale"}) {
        EXPECT_EQ(zeviza::DecimalSeparatorOf(point), '.') << point;
    }
}

TEST(TextNumberTest, ACommaReadsAsThePointOnlyWhereTheLocaleWritesOne) {
    EXPECT_EQ(ReadDecimal("70,4", ','), 70.4);
    EXPECT_EQ(ReadDecimal("70.4", ','), 70.4);
    EXPECT_EQ(ReadDecimal("-0,5e1", ','), -5.0);
    EXPECT_EQ(ReadWholeNumber("2,5", ',').value, 2);
    EXPECT_EQ(ReadDecimal("70.4", '.'), 70.4);
    // Where the comma is decimal it is never a group separator, and one
    // number has one separator.
    for (const char* text : {"1.234,5", "1,2,3", ",", "1,5 ", "7,040,5"}) {
        EXPECT_EQ(ReadWholeNumber(text, ',', ',').reading, TextReading::NotNumber) << text;
    }
}

// "7,040" yards is 7040 where the locale groups with a comma; a comma that
// does not group three digits is no number at all rather than a guess.
TEST(TextNumberTest, GroupCommasReadAsTheUserMeantThem) {
    const std::pair<const char*, double> grouped[] = {
        {"7,040", 7040.0}, {"-1,234,567.5", -1234567.5}, {"+12,345", 12345.0}, {"1,000e2", 1e5}};
    for (const auto& [text, value] : grouped) {
        EXPECT_EQ(ReadDecimal(text, '.', ','), value) << text;
    }
    for (const char* text : {"1,5", "7,04", "1234,567", ",123", "1,,234", "1,234.5,0", "12,3456"}) {
        EXPECT_FALSE(ReadDecimal(text, '.', ',').has_value()) << text;
    }
    EXPECT_FALSE(ReadDecimal("7,040", '.', '\0').has_value()) << "no grouping, no comma";
    EXPECT_EQ(zeviza::GroupSeparatorOf("en_US.UTF-8"), ',');
    EXPECT_EQ(zeviza::GroupSeparatorOf("C"), ',');
    EXPECT_EQ(zeviza::GroupSeparatorOf("de_DE.UTF-8"), '\0');
    testing_support::LocaleEnvironment german("de_DE.UTF-8");
    EXPECT_EQ(ReadWholeNumber("7,040").value, 7) << "the German comma stays decimal";
    EXPECT_EQ(ReadDecimal("7.040"), 7.04) << "and the point too, as everywhere";
}

TEST(TextNumberTest, EveryReadingFollowsTheUsersLocale) {
    {
        testing_support::LocaleEnvironment german("de_DE.UTF-8");
        EXPECT_EQ(zeviza::UserDecimalSeparator(), ',');
        EXPECT_EQ(zeviza::ReadSingle("70,4"), 70.4f);
        EXPECT_EQ(ReadWholeNumber("17,5").value, 18);
    }
    testing_support::LocaleEnvironment american("en_US.UTF-8");
    EXPECT_EQ(zeviza::UserDecimalSeparator(), '.');
    EXPECT_FALSE(zeviza::ReadSingle("70,4").has_value());
    EXPECT_EQ(ReadWholeNumber("7,040").value, 7040);
    EXPECT_EQ(zeviza::ReadSingle("70.4"), 70.4f);
}

}  // namespace
