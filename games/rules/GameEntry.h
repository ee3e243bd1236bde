#pragma once
// What the game entry screen hands to the round rules: the trimmed texts of
// its fields, the chosen course and golfer as their lists hold them, and the
// outcome of a check the screen has to show.
#include <array>
#include <string>

#include "zeviza/Prompts.h"

namespace parlow::games {

struct GameEntry {
    std::array<std::string, 18> hole;  // net score texts, index 0 is hole 1
    std::string out;                   // typed front-nine total
    std::string in;                    // typed back-nine total
    std::array<std::string, 3> partnerName;
    std::array<std::string, 3> partnerScore;
    // Fairways, greens and putts missed, sand saves, up and downs, total putts,
    // long drive, then the counts from aces to others, in field order.
    std::array<std::string, 24> detail;
};

// The longest playing partner's name the entry screen takes.
inline constexpr int kPartnerNameLimit = 35;

// Every value is text, as the course list shows it.
struct CourseCard {
    std::string ClubID;
    std::string ClubName;
    std::string Tees;
    std::array<std::string, 18> par;  // Par1 to Par18
    std::string ParOut;
    std::string ParIn;
    std::array<std::string, 18> hcap;  // HCap1 to HCap18
    std::string TotalFWays;
    std::string Par3s;
    std::string Par4s;
    std::string Par5s;
};

struct GolferChoice {
    std::string FullName;
    std::string GolferID;
    std::string Category;
    std::string Handicap;
};

// The detail counts' names, as their captions show them, for the messages
// that refuse one.
inline constexpr std::array<const char*, 24> kDetailNames = {"FWays Missed Left",
                                                             "FWays Missed Right",
                                                             "Greens Missed Left",
                                                             "Greens Missed Right",
                                                             "Greens Missed Long",
                                                             "Greens Missed Short",
                                                             "Putts Missed Left",
                                                             "Putts Missed Right",
                                                             "Putts Missed Long",
                                                             "Putts Missed Short",
                                                             "Sand Saves",
                                                             "Up & Downs",
                                                             "Total Putts",
                                                             "Long Drive",
                                                             "Aces",
                                                             "Double Eagles",
                                                             "Eagles",
                                                             "Birdies",
                                                             "Pars",
                                                             "Bogies",
                                                             "Dbl Bogies",
                                                             "Trip Bogies",
                                                             "Quad Bogies",
                                                             "Others"};

// The screen's controls. TxtBox carries its index: holes 1-18 are 0-17, the
// partners' names 18-20 and their scores 21-23. TxtPar is Out (0) or In (1),
// StatBox a detail count.
enum class GameControl { None, CourseList, GolferList, DatePicker, TxtBox, TxtPar, StatBox };

struct GameFocus {
    GameControl control = GameControl::None;
    int index = 0;

    bool operator==(const GameFocus&) const = default;
};

// A refusal the screen shows with OK before moving the focus.
struct GameProblem {
    std::string message;
    zeviza::Icon icon = zeviza::Icon::None;
    GameFocus focus;
};

}  // namespace parlow::games
