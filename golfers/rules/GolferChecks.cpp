#include "golfers/rules/GolferChecks.h"

#include "zeviza/TextNumber.h"

namespace parlow::golfers {
namespace {

GolferFocus TxtBox(int index) {
    return {GolferControl::TxtBox, index};
}

GolferFocus CboBox(int index) {
    return {GolferControl::CboBox, index};
}

GolferCheckResult CheckNames(const GolferEntry& entry, GolferScreen screen) {
    if (entry.text[kFirstName].empty()) {
        return GolferCheckResult::Fail("Golfer's First Name is missing! ", TxtBox(kFirstName));
    }
    for (int box : {kLastName, kAddress, kCity}) {
        if (entry.text[box].empty()) {
            return GolferCheckResult::Fail(screen == GolferScreen::Entry
                                               ? "Missing or incomplete information"
                                               : "Missing or incomplete information! ",
                                           TxtBox(box));
        }
    }
    return GolferCheckResult::Pass();
}

GolferCheckResult RefuseCanada(int list) {
    return GolferCheckResult::Fail(
        "Select a valid State / Province!\r\nCanada is a country, not a state or province. ",
        CboBox(list));
}

// The golfer's state is required; the club's may stay empty.
GolferCheckResult CheckStates(const GolferEntry& entry) {
    if (entry.state[kGolferState].empty()) {
        return GolferCheckResult::Fail("Select a State / Province! ", CboBox(kGolferState));
    }
    for (int list : {kGolferState, kClubState}) {
        if (entry.state[list] == kCanadaSeparator) {
            return RefuseCanada(list);
        }
    }
    return GolferCheckResult::Pass();
}

// A number too large for the age's 16 bits is no valid number either.
GolferCheckResult CheckAge(const GolferEntry& entry) {
    const zeviza::WholeNumber age = zeviza::ReadWholeNumber(entry.text[kAge]);
    if (!age.IsWhole()) {
        return GolferCheckResult::Fail("The age field must be a valid number. ", TxtBox(kAge));
    }
    if (age.value <= 0) {
        return GolferCheckResult::Fail("The Golfer's age must be greater than zero. ",
                                       TxtBox(kAge));
    }
    return GolferCheckResult::Pass();
}

}  // namespace

GolferCheckResult CheckGolferChosen(const std::string& selectionText) {
    if (selectionText.empty()) {
        return GolferCheckResult::Fail("Select a Golfer to edit. ",
                                       {GolferControl::GolferSelection, 0});
    }
    return GolferCheckResult::Pass();
}

GolferCheckResult ValidateGolfer(const GolferEntry& entry, GolferScreen screen) {
    for (const GolferCheckResult& result :
         {CheckNames(entry, screen), CheckStates(entry), CheckAge(entry)}) {
        if (!result.pass) {
            return result;
        }
    }
    return GolferCheckResult::Pass();
}

}  // namespace parlow::golfers
