#include "zeviza/TextNumber.h"

#include <unicode/dcfmtsym.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "src/UserLocale.h"

namespace zeviza {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// Sign, digits with an optional point (at least one digit on some side), and
// an optional exponent; nothing else, no blanks, no "inf", no hexadecimal.
bool IsDecimalText(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t wholeStart = at;
    at = SkipDigits(text, at);
    std::size_t digits = at - wholeStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = ++at;
        at = SkipDigits(text, at);
        digits += at - fractionStart;
    }
    if (digits == 0) {
        return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        const std::size_t exponentStart = at;
        at = SkipDigits(text, at);
        if (at == exponentStart) {
            return false;
        }
    }
    return at == text.size();
}

// The power of ten just above the number's leading digit, read from the text
// alone, for numbers too large or too small for the floating type to hold.
long DecimalMagnitude(std::string_view body) {
    long exponent = 0;
    const std::size_t e = body.find_first_of("eE");
    if (e != std::string_view::npos) {
        const bool negative = body[e + 1] == '-';
        for (std::size_t at = e + 1; at < body.size(); ++at) {
            if (IsDigit(body[at]) && exponent < 1'000'000) {
                exponent = exponent * 10 + (body[at] - '0');
            }
        }
        exponent = negative ? -exponent : exponent;
        body = body.substr(0, e);
    }
    if (body.find_first_of("123456789") == std::string_view::npos) {
        return std::numeric_limits<long>::min();  // zero, however it is written
    }
    const std::size_t at = body.find_first_not_of("-0");
    const std::size_t point = body.find('.');
    if (point == std::string_view::npos || at < point) {
        const std::size_t end = point == std::string_view::npos ? body.size() : point;
        return static_cast<long>(end - at) + exponent;
    }
    const std::size_t firstSignificant = body.find_first_not_of('0', point + 1);
    return -static_cast<long>(firstSignificant - point - 1) + exponent;
}

template <typename Number>
std::optional<Number> ReadNumber(std::string_view typed, char decimalSeparator) {
    // The comma of a comma locale reads as the point it stands for.
    std::string pointed(typed);
    if (decimalSeparator == ',') {
        std::replace(pointed.begin(), pointed.end(), ',', '.');
    }
    const std::string_view text = pointed;
    if (!IsDecimalText(text)) {
        return std::nullopt;
    }
    const std::string_view body = text.front() == '+' ? text.substr(1) : text;
    Number value{};
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too far from zero reads as infinite, too close as zero: either way
        // the whole-value check that follows decides correctly.
        const bool negative = body.front() == '-';
        const Number size =
            DecimalMagnitude(body) > 0 ? std::numeric_limits<Number>::infinity() : Number{0};
        return negative ? -size : size;
    }
    if (error != std::errc() || end != body.data() + body.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int16_t> RoundHalfEvenTo16Bits(double number) {
    if (!std::isfinite(number)) {
        return std::nullopt;
    }
    const double below = std::floor(number);
    const double fraction = number - below;
    double whole = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        whole = below + 1.0;
    }
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

}  // namespace

char DecimalSeparatorOf(const std::string& localeName) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(detail::LocaleNamed(localeName), status);
    if (U_FAILURE(status)) {
        return '.';
    }
    const icu::UnicodeString& separator =
        symbols.getConstSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
    return separator == icu::UnicodeString(u",") ? ',' : '.';
}

char UserDecimalSeparator() {
    // Asked for every field read: the answer is kept for the locale it was
    // worked out for.
    thread_local std::string lastName = "\x01";
    thread_local char lastSeparator = '.';
    const std::string name = detail::UserLocaleName("LC_NUMERIC");
    if (name != lastName) {
        lastSeparator = DecimalSeparatorOf(name);
        lastName = name;
    }
    return lastSeparator;
}

std::optional<double> ReadDecimal(std::string_view text, char decimalSeparator) {
    return ReadNumber<double>(text, decimalSeparator);
}

std::optional<float> ReadSingle(std::string_view text, char decimalSeparator) {
    return ReadNumber<float>(text, decimalSeparator);
}

WholeNumber ReadWholeNumber(std::string_view text, char decimalSeparator) {
    const std::optional<double> number = ReadDecimal(text, decimalSeparator);
    if (!number) {
        return {};
    }
    const std::optional<std::int16_t> whole = RoundHalfEvenTo16Bits(*number);
    if (!whole) {
        return {TextReading::OutOfRange, 0};
    }
    return {TextReading::Whole, *whole};
}

}  // namespace zeviza
