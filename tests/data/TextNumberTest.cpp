#include <gtest/gtest.h>

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
    // Never a thousands separator, never two separators.
    for (const char* text : {"1,5", "1,234", "1,234.5"}) {
        EXPECT_EQ(ReadWholeNumber(text, '.').reading, TextReading::NotNumber) << text;
    }
    for (const char* text : {"1.234,5", "1,2,3", ",", "1,5 "}) {
        EXPECT_EQ(ReadWholeNumber(text, ',').reading, TextReading::NotNumber) << text;
    }
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
    EXPECT_EQ(zeviza::ReadSingle("70.4"), 70.4f);
}

}  // namespace
