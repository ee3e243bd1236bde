#pragma once
// A course as the entry and edit screens hold it: the trimmed text of every
// field, and the outcome of checking it. The screens copy their fields in,
// call the rules, then show the message, move the focus and copy back any
// text a rule changed.
#include <array>
#include <string>
#include <utility>

#include "zeviza/Prompts.h"

namespace parlow::courses {

enum class CourseScreen { Entry, Edit };

// The longest text each club field takes, in the form's order of its text
// boxes: club name, address, city, postal code, club phone, pro shop phone,
// pro, assistant pro, manager.
inline constexpr std::array<int, 9> kClubTextLimits = {35, 35, 35, 10, 25, 25, 35, 35, 35};

// The tees a course record is for, as the screens' options name them.
inline constexpr std::array<const char*, 6> kTeeNames = {"Gold",  "Black", "Yellow",
                                                         "White", "Blue",  "Red"};

struct CourseEntry {
    std::string clubName;     // txtBox(0)
    std::string address;      // txtBox(1)
    std::string city;         // txtBox(2)
    std::string state;        // cboBox, its current text
    bool stateListed = true;  // the text is empty, or an entry or a code of the list
    std::string postalCode;
    std::string clubPhone;
    std::string proShopPhone;
    std::string clubPro;
    std::string asstPro;
    std::string manager;
    std::array<std::string, 18> par;   // holes 1-18: numBox(0..8), numBox(10..18)
    std::string out;                   // numBox(9)
    std::string in;                    // numBox(19)
    std::string slope;                 // numBox(20)
    std::string rating;                // numBox(21)
    std::string coursePar;             // numBox(22)
    std::array<std::string, 18> hcap;  // capBox(0..17)
    std::string par3s;                 // statBox(0)
    std::string par4s;                 // statBox(1)
    std::string par5s;                 // statBox(2)
    std::string fairways;              // statBox(3)
    std::string length;                // statBox(4)
    std::string tees;                  // caption of the chosen tee option
    std::string selectedCourse;        // edit screen: cboClub(0)
};

// The screens' control arrays, so a focus target is the control and its
// index exactly as the screen numbers it.
enum class CourseControl { None, CourseSelection, TxtBox, StateBox, NumBox, CapBox, StatBox };

struct CourseFocus {
    CourseControl control = CourseControl::None;
    int index = 0;

    bool operator==(const CourseFocus&) const = default;
};

inline constexpr int kOutBox = 9;
inline constexpr int kInBox = 19;
inline constexpr int kSlopeBox = 20;
inline constexpr int kRatingBox = 21;
inline constexpr int kCourseParBox = 22;

// The numBox showing the par of a hole (0 = hole 1); Out sits between the nines.
constexpr int ParBox(int hole) {
    return hole < 9 ? hole : hole + 1;
}

struct CourseCheckResult {
    bool pass = true;
    std::string message;
    zeviza::Icon icon = zeviza::Icon::None;
    CourseFocus focus;

    static CourseCheckResult Pass() { return {}; }
    static CourseCheckResult Fail(std::string message, zeviza::Icon icon, CourseFocus focus) {
        return {false, std::move(message), icon, focus};
    }
};

}  // namespace parlow::courses
