#pragma once
// A golfer as the entry and edit screens hold it: the text of every field,
// the chosen sex, and the outcome of checking it. The screens copy their
// fields in, call the rules, then show the message and move the focus.
#include <array>
#include <string>
#include <utility>

namespace parlow::golfers {

enum class GolferScreen { Entry, Edit };

// The screens' txtBox array, in screen order.
enum TextBox : int {
    kFirstName,
    kMiddleName,
    kLastName,
    kAddress,
    kCity,
    kPostalCode,
    kHomePhone,
    kCellPhone,
    kWorkPhone,
    kAge,
    kHandicap,
    kClub,
    kClubAddress,
    kClubCity,
    kClubPostalCode,
    kClubPhone,
    kProShopPhone,
    kTextBoxCount
};

// The screens' cboBox array: the golfer's state list and the club's.
enum StateList : int { kGolferState, kClubState, kStateListCount };

struct GolferEntry {
    std::array<std::string, kTextBoxCount> text;     // txtBox(0..16)
    std::array<std::string, kStateListCount> state;  // cboBox(0..1), their current text
    bool male = true;                                // optSex(0) "Male", optSex(1) "Female"
    std::string notes;
};

enum class GolferControl { None, GolferSelection, TxtBox, CboBox };

struct GolferFocus {
    GolferControl control = GolferControl::None;
    int index = 0;

    bool operator==(const GolferFocus&) const = default;
};

struct GolferCheckResult {
    bool pass = true;
    std::string message;
    GolferFocus focus;

    static GolferCheckResult Pass() { return {}; }
    static GolferCheckResult Fail(std::string message, GolferFocus focus) {
        return {false, std::move(message), focus};
    }
};

}  // namespace parlow::golfers
