#pragma once
// Exact decimal arithmetic for the handicap rules. Figures are kept as whole
// numbers of tenths and every division stays an exact fraction until the one
// rounding a rule asks for, so 73.1 x 130 / 113 can never drift beside a half
// the way a binary floating-point product does.
#include <cstdint>
#include <string>

namespace handicap {

// num / den with den > 0, both exact.
struct Fraction {
    std::int64_t num = 0;
    std::int64_t den = 1;
};

Fraction operator+(Fraction a, Fraction b);
// a - b compared with zero: -1, 0 or 1.
int Compare(Fraction a, Fraction b);

// To the nearest whole number, an exact half toward the larger number
// (12.5 -> 13, -2.5 -> -2).
std::int64_t RoundHalfUp(Fraction value);
std::int64_t RoundHalfUp(std::int64_t num, std::int64_t den);

// A stored decimal with one place (a course rating such as 70.4) as tenths.
std::int64_t TenthsOf(double oneDecimalPlace);

// Tenths as text with one decimal: 123 -> "12.3", -5 -> "-0.5".
std::string TenthsText(std::int64_t tenths);

}  // namespace handicap
