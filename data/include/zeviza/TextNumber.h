#pragma once
// How the screens read a number out of a field text. One reading serves every
// field: an optional sign, digits with an optional decimal point, an optional
// exponent. The decimal separator is the point whatever the process locale
// says, so a field reads the same on every desktop. Whole values round halves
// to even and must fit the 16 bits the database arrays carry.
#include <cstdint>
#include <optional>
#include <string_view>

namespace zeviza {

enum class TextReading {
    NotNumber,   // empty, or not a decimal number
    OutOfRange,  // a number, but its whole value does not fit 16 bits
    Whole,       // a number with a 16-bit whole value
};

struct WholeNumber {
    TextReading reading = TextReading::NotNumber;
    std::int16_t value = 0;  // 0 unless reading is Whole

    bool IsWhole() const { return reading == TextReading::Whole; }
};

// The number a text holds; empty when it holds none.
std::optional<double> ReadDecimal(std::string_view text);
// The same reading straight into single precision, so "70.4" gives 70.4f.
std::optional<float> ReadSingle(std::string_view text);
// 3.5 and 4.5 both give 4; beyond -32768..32767 (after rounding) is OutOfRange.
WholeNumber ReadWholeNumber(std::string_view text);

}  // namespace zeviza
