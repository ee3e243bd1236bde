#pragma once
// How a checked golfer becomes the arguments of AddGolfer and UpdateGolfer:
// the text array in each method's layout, the age and the handicap.
#include <cstdint>
#include <optional>
#include <string>

#include "golfers/rules/GolferEntry.h"
#include "zeviza/Putt.h"

namespace parlow::golfers {

// What the handicap field shows when its text was not a number.
inline constexpr const char* kHandicapNotNumber = "0.00";

struct GolferRecord {
    zeviza::TextArray strText;
    std::int16_t intAge = 0;
    float sngHandicap = 0.0f;
    // The handicap text was not a number and went in as 0; the screen shows
    // kHandicapNotNumber in its place.
    bool handicapReplaced = false;
};

// First, middle and last name with single spaces; no middle name, no gap.
std::string FullName(const std::string& first, const std::string& middle, const std::string& last);

// Golfers of 18 and over are adults, younger ones juniors.
std::string Category(int age, bool male);

// A state list entry or a typed text is stored by its first two characters
// (the code of an entry such as "ON - Ontario"). Counts characters, not bytes.
std::string StateCode(const std::string& stateListText);

// The entry form of a state or province in the lists: "ON - Ontario".
std::string StateListEntry(const std::string& code, const std::string& fullName);

// strText 0 to 22 for AddGolfer; newGolferID goes to slot 18.
GolferRecord AddGolferRecord(const GolferEntry& entry, const std::string& newGolferID);
// strText 0 to 21 for UpdateGolfer; the identifier is its own argument.
GolferRecord UpdateGolferRecord(const GolferEntry& entry);

// From the current row of what GetNewGolferID returned. Empty when there is
// no such row (the read failed and has said so).
std::optional<std::string> MakeNewGolferID(const zeviza::RecordSet* newGolferIdRows);

}  // namespace parlow::golfers
