#pragma once
// How the screens read a number out of a field text. One reading serves every
// field: an optional sign, digits with an optional decimal separator, an
// optional exponent. The point is a decimal separator everywhere; the comma
// is one too where the user's locale writes decimals with a comma ("70,4").
// Where the locale groups thousands with a comma instead, "7,040" reads as
// 7040 (groups of three in the whole part only; "7,04" is no number). Whole
// values round halves to even and must fit the 16 bits the database arrays
// carry.
#include <cstdint>
#include <optional>
#include <string>
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

// ',' where the locale's numbers (LC_ALL, LC_NUMERIC, then LANG) write their
// decimals with a comma, '.' everywhere else.
char UserDecimalSeparator();
// The same for a locale named outright, such as "de_DE.UTF-8".
char DecimalSeparatorOf(const std::string& localeName);
// ',' where the locale groups thousands with a comma ("C" and "en_US" do),
// '\0' where it groups with anything else ("de_DE" with a point).
char UserGroupSeparator();
char GroupSeparatorOf(const std::string& localeName);

// The number a text holds; empty when it holds none. A group separator that
// is also the decimal separator is the decimal separator.
std::optional<double> ReadDecimal(std::string_view text,
                                  char decimalSeparator = UserDecimalSeparator(),
                                  char groupSeparator = UserGroupSeparator());
// The same reading straight into single precision, so "70.4" gives 70.4f.
std::optional<float> ReadSingle(std::string_view text,
                                char decimalSeparator = UserDecimalSeparator(),
                                char groupSeparator = UserGroupSeparator());
// 3.5 and 4.5 both give 4; beyond -32768..32767 (after rounding) is OutOfRange.
WholeNumber ReadWholeNumber(std::string_view text, char decimalSeparator = UserDecimalSeparator(),
                            char groupSeparator = UserGroupSeparator());

// The refusal of a field whose text is not a number, naming the field:
// "The Length field must be a valid number. "
std::string NotANumberMessage(std::string_view fieldName);

}  // namespace zeviza
