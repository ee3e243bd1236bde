#pragma once
// New text identifiers come from the largest row number of a table: golfers
// "D" and courses "C" take twice the next row number, games "G" the number
// itself. So the first golfer is D2, the first course C2, the first game G1.
#include <string>

#include "zeviza/Value.h"

namespace zeviza {

std::string FormIdentifier(char prefix, int factor, const Value& largestRowNumber);

inline std::string MakeNewGolferID(const Value& largest) {
    return FormIdentifier('D', 2, largest);
}
inline std::string MakeNewClubID(const Value& largest) {
    return FormIdentifier('C', 2, largest);
}
inline std::string MakeNewGameID(const Value& largest) {
    return FormIdentifier('G', 1, largest);
}

}  // namespace zeviza
