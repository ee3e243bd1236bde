#include <gtest/gtest.h>

#include "games/rules/GameNumbers.h"

namespace {

using parlow::games::FieldInteger;
using parlow::games::ToHundredths;

TEST(GameNumbersTest, FieldIntegerCountsWhatIsNoNumberAsZero) {
    EXPECT_EQ(FieldInteger(""), 0);
    EXPECT_EQ(FieldInteger("abc"), 0);
    EXPECT_EQ(FieldInteger("4x"), 0);
    EXPECT_EQ(FieldInteger("4.5"), 4);
    EXPECT_EQ(FieldInteger("5.5"), 6);
    EXPECT_EQ(FieldInteger("12.5"), 12);
    EXPECT_EQ(FieldInteger("13.5"), 14);
    EXPECT_EQ(FieldInteger("-32768"), -32768);
}

TEST(GameNumbersTest, FieldIntegerBeyondSixteenBitsIsAFailureNotZero) {
    EXPECT_FALSE(FieldInteger("32768").has_value());
    EXPECT_FALSE(FieldInteger("32767.5").has_value());
    EXPECT_FALSE(FieldInteger("-32769").has_value());
    EXPECT_FALSE(FieldInteger("1e9").has_value());
    EXPECT_EQ(FieldInteger("32767.4"), 32767);
}

TEST(GameNumbersTest, ToHundredthsRoundsTheShownDigitsWithTiesAwayFromZero) {
    EXPECT_EQ(ToHundredths(85.0 / 18), 4.72f);
    EXPECT_EQ(ToHundredths(42.0 / 9), 4.67f);
    EXPECT_EQ(ToHundredths(80.0 / 18), 4.44f);
    EXPECT_EQ(ToHundredths(5.0), 5.0f);
    EXPECT_EQ(ToHundredths(0.0), 0.0f);
    EXPECT_EQ(ToHundredths(0.125), 0.13f);
    EXPECT_EQ(ToHundredths(-0.125), -0.13f);
    EXPECT_EQ(ToHundredths(1.005), 1.01f) << "1.005 is stored a hair below, but shows as a tie";
    EXPECT_EQ(ToHundredths(2.675), 2.68f);
    EXPECT_EQ(ToHundredths(-0.004), 0.0f);
    EXPECT_EQ(ToHundredths(0.995), 1.0f);
    EXPECT_EQ(ToHundredths(1234.5678), 1234.57f);
    EXPECT_EQ(ToHundredths(1e-300), 0.0f);
}

}  // namespace
