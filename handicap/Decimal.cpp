#include "handicap/Decimal.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace handicap {

namespace {
// Floor division, also for negative numerators.
std::int64_t FloorDiv(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    if ((num % den != 0) && ((num < 0) != (den < 0))) {
        --q;
    }
    return q;
}
}  // namespace

Fraction operator+(Fraction a, Fraction b) {
    if (a.den == b.den) {
        return {a.num + b.num, a.den};
    }
    const std::int64_t g = std::gcd(a.den, b.den);
    return {a.num * (b.den / g) + b.num * (a.den / g), a.den / g * b.den};
}

int Compare(Fraction a, Fraction b) {
    // Both denominators are positive, so cross-multiplying keeps the order.
    const std::int64_t left = a.num * b.den;
    const std::int64_t right = b.num * a.den;
    return left < right ? -1 : (left > right ? 1 : 0);
}

std::int64_t RoundHalfUp(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // floor(num / den + 1/2)
    return FloorDiv(2 * num + den, 2 * den);
}

std::int64_t RoundHalfUp(Fraction value) {
    return RoundHalfUp(value.num, value.den);
}

std::int64_t TenthsOf(double oneDecimalPlace) {
    return std::llround(oneDecimalPlace * 10.0);
}

std::string TenthsText(std::int64_t tenths) {
    const std::int64_t whole = std::llabs(tenths) / 10;
    const std::int64_t tenth = std::llabs(tenths) % 10;
    return std::string(tenths < 0 ? "-" : "") + std::to_string(whole) + "." + std::to_string(tenth);
}

}  // namespace handicap
