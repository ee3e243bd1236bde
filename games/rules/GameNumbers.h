#pragma once
// How a round's field texts become the numbers stored with the game.
#include <cstdint>
#include <optional>
#include <string_view>

namespace parlow::games {

// The failure a value beyond 16 bits ends the save with; the screen shows
// this number and description.
inline constexpr long kOverflowNumber = 6;
inline constexpr const char* kOverflowDescription = "Overflow";

// Empty or no number gives 0; a whole value beyond -32768..32767 gives none.
std::optional<std::int16_t> FieldInteger(std::string_view text);

// Rounded to two decimals with ties away from zero, then read back as a
// single: 85 / 18 gives 4.72.
float ToHundredths(double number);

}  // namespace parlow::games
