#pragma once
// How a checked golfer becomes the record AddGolfer and UpdateGolfer take.
#include <optional>
#include <string>

#include "golfers/rules/GolferEntry.h"
#include "zeviza/GolferRecord.h"
#include "zeviza/RecordSet.h"

namespace parlow::golfers {

// What the handicap field shows when its text was not a number.
inline constexpr const char* kHandicapNotNumber = "0.00";

struct BuiltGolfer {
    zeviza::GolferRecord record;
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

// For a golfer that ValidateGolfer passed: golferID is the new golfer's
// identifier on the entry screen, the chosen golfer's on the edit screen.
BuiltGolfer BuildGolferRecord(const GolferEntry& entry, const std::string& golferID);

// From the current row of what GetNewGolferID returned. Empty when there is
// no such row (the read failed and has said so).
std::optional<std::string> MakeNewGolferID(const zeviza::RecordSet* newGolferIdRows);

}  // namespace parlow::golfers
