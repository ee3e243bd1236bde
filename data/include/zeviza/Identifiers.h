#pragma once
// New text identifiers come from the largest row number of a table: golfers
// "D" and courses "C" take twice the next row number, games "G" the number
// itself. So the first golfer is D2, the first course C2, the first game G1.
// Each record kind's rules hold its one helper (golfers::MakeNewGolferID,
// courses::MakeNewClubID, games::MakeNewGameID).
#include <optional>
#include <string>

#include "zeviza/RecordSet.h"
#include "zeviza/Value.h"

namespace zeviza {

struct IdentifierRule {
    char prefix;
    int factor;
    const char* column;  // the column the GetNew*ID read returns
};

inline constexpr IdentifierRule kGolferIdentifiers{'D', 2, "NewGolferID"};
inline constexpr IdentifierRule kClubIdentifiers{'C', 2, "NewClubID"};
inline constexpr IdentifierRule kGameIdentifiers{'G', 1, "NewGameID"};

std::string FormIdentifier(const IdentifierRule& rule, const Value& largestRowNumber);

// From the one row of a GetNew*ID read. Nothing when the read gave no set or
// no row: forming an identifier blind could repeat one already stored.
std::optional<std::string> FormIdentifierFromRows(const IdentifierRule& rule,
                                                  const RecordSet* rows);

}  // namespace zeviza
