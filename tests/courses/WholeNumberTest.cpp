#include <gtest/gtest.h>

#include "zeviza/TextNumber.h"

namespace {

using zeviza::ReadWholeNumber;
using zeviza::TextReading;

TEST(WholeNumberTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(ReadWholeNumber("4.5").value, 4);
    EXPECT_EQ(ReadWholeNumber("3.5").value, 4);
    EXPECT_EQ(ReadWholeNumber("2.5").value, 2);
    EXPECT_EQ(ReadWholeNumber("5.5").value, 6);
    EXPECT_EQ(ReadWholeNumber("-2.5").value, -2);
    EXPECT_EQ(ReadWholeNumber("-3.5").value, -4);
    EXPECT_EQ(ReadWholeNumber("4.51").value, 5);
    EXPECT_EQ(ReadWholeNumber("0.4").value, 0);
    EXPECT_EQ(ReadWholeNumber("0.6").value, 1);
}

TEST(WholeNumberTest, SixteenBitOverflowIsNotAWholeValue) {
    EXPECT_EQ(ReadWholeNumber("32767").value, 32767);
    EXPECT_EQ(ReadWholeNumber("-32768").value, -32768);
    EXPECT_EQ(ReadWholeNumber("32767.4").value, 32767);
    EXPECT_EQ(ReadWholeNumber("-32768.5").value, -32768);
    for (const char* tooLarge : {"32768", "32767.5", "-32769", "1e5", "1e400", "-1e400"}) {
        EXPECT_EQ(ReadWholeNumber(tooLarge).reading, TextReading::OutOfRange) << tooLarge;
        EXPECT_EQ(ReadWholeNumber(tooLarge).value, 0) << tooLarge;
    }
    EXPECT_EQ(ReadWholeNumber("1e-400").value, 0);
    EXPECT_TRUE(ReadWholeNumber("1e-400").IsWhole());
    EXPECT_TRUE(ReadWholeNumber("0.0000e999").IsWhole());
}

TEST(WholeNumberTest, ReadsDecimalNumbersAndNothingElse) {
    for (const char* number : {"7", "+7", "-7", "7.", ".7", "007", "7e0", "0.7E1", "70e-1"}) {
        EXPECT_TRUE(ReadWholeNumber(number).IsWhole()) << number;
    }
    EXPECT_EQ(ReadWholeNumber("+7").value, 7);
    EXPECT_EQ(ReadWholeNumber("70e-1").value, 7);
    for (const char* text : {"", " 7", "7 ", "abc", "4a", ".", "-", "+-4", "1e", "1e+", "inf",
                             "nan", "0x10", "1.2.3", "--1", "e5"}) {
        EXPECT_EQ(ReadWholeNumber(text).reading, TextReading::NotNumber) << '"' << text << '"';
    }
}

TEST(WholeNumberTest, SingleKeepsTheTypedDecimal) {
    EXPECT_EQ(zeviza::ReadSingle("70.4"), 70.4f);
    EXPECT_EQ(zeviza::ReadSingle("0.6"), 0.6f);
    EXPECT_FALSE(zeviza::ReadSingle("seventy").has_value());
}

}  // namespace
