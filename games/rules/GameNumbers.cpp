#include "games/rules/GameNumbers.h"

#include <charconv>
#include <cmath>
#include <string>

#include "zeviza/TextNumber.h"

namespace parlow::games {
namespace {

// A formatted number shows fifteen significant digits; rounding to hundredths
// works on those digits, so 1.005 (stored a hair below) still reads as a tie.
constexpr int kShownDigits = 15;
// From here on a number has no decimals left to round.
constexpr double kNoFraction = 1e15;

std::int64_t PowerOfTen(int exponent) {
    std::int64_t power = 1;
    while (exponent-- > 0) {
        power *= 10;
    }
    return power;
}

// The shown digits of a positive number as one integer, and the power of ten
// of its first digit.
void ShownDigits(double number, std::int64_t& digits, int& exponent) {
    char text[40];
    const auto written = std::to_chars(text, text + sizeof text, number,
                                       std::chars_format::scientific, kShownDigits - 1);
    const std::string shown(text, written.ptr);  // "d.dddddddddddddde+XX"
    const std::size_t e = shown.find('e');
    const std::string mantissa = shown.substr(0, 1) + shown.substr(2, e - 2);
    std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), digits);
    const std::size_t exponentStart = shown[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(shown.data() + exponentStart, shown.data() + shown.size(), exponent);
}

// Ties go away from zero, as the "#0.#0" pattern rounds.
std::int64_t HundredthsOf(double magnitude) {
    std::int64_t digits = 0;
    int exponent = 0;
    ShownDigits(magnitude, digits, exponent);
    const int shift = exponent - (kShownDigits - 1) + 2;
    if (shift >= 0) {
        return digits * PowerOfTen(shift);
    }
    if (-shift > kShownDigits) {
        return 0;
    }
    const std::int64_t divisor = PowerOfTen(-shift);
    const std::int64_t remainder = digits % divisor;
    return digits / divisor + (2 * remainder >= divisor ? 1 : 0);
}

}  // namespace

std::optional<std::int16_t> FieldInteger(std::string_view text) {
    const zeviza::WholeNumber number = zeviza::ReadWholeNumber(text);
    if (number.reading == zeviza::TextReading::OutOfRange) {
        return std::nullopt;
    }
    return number.value;  // 0 when the text holds no number
}

float ToHundredths(double number) {
    if (!std::isfinite(number) || std::fabs(number) >= kNoFraction) {
        return static_cast<float>(number);
    }
    const std::int64_t hundredths = HundredthsOf(std::fabs(number));
    std::string fraction = std::to_string(hundredths % 100);
    if (fraction.size() < 2) {
        fraction.insert(0, "0");
    }
    const std::string text = (number < 0 && hundredths != 0 ? "-" : "") +
                             std::to_string(hundredths / 100) + "." + fraction;
    float result = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

}  // namespace parlow::games
