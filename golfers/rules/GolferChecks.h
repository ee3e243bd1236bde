#pragma once
// The checks a golfer passes before it is stored. Only the first failure is
// reported; the screen shows it in a warning box with OK and the program's
// title and puts the focus on the field named.
#include "golfers/rules/GolferEntry.h"

namespace parlow::golfers {

inline constexpr const char* kCanadaSeparator = "- Canada -";

// The edit screen's first check, made before its fields are even trimmed.
GolferCheckResult CheckGolferChosen(const std::string& selectionText);

GolferCheckResult ValidateGolfer(const GolferEntry& entry, GolferScreen screen);

}  // namespace parlow::golfers
