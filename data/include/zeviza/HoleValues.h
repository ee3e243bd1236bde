#pragma once
// What game and course records hold once per hole, and once per par type.
#include <array>
#include <cstdint>

namespace zeviza {

// One value per hole, holes 1 to 18 at 0 to 17.
using HoleValues = std::array<std::int16_t, 18>;
// par-3, par-4 and par-5 holes at 0, 1 and 2.
using ParTypeCounts = std::array<std::int16_t, 3>;
using ParTypeAverages = std::array<float, 3>;

}  // namespace zeviza
