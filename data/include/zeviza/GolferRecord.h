#pragma once
// One golfer as the golfer writes store it, by name. Plain values, filled
// alike by the golfer screens and an import. Texts are given as typed: the
// library stores them trimmed of blanks and without NUL characters, except
// those said to be stored as given, and never changes the record.
#include <cstdint>
#include <string>

namespace zeviza {

struct GolferRecord {
    std::string golferId;  // "D2": new for AddGolfer, the one changed by UpdateGolfer
    std::string firstName;
    std::string middleName;  // empty for none
    std::string lastName;
    std::string address;  // street address
    std::string city;
    std::string state;  // state or province code ("OH"); UpdateGolfer stores it as given
    std::string postalCode;
    std::string homePhone;
    std::string cellPhone;
    std::string workPhone;
    std::string club;         // the golfer's home club
    std::string clubAddress;  // the home club's street address
    std::string clubCity;
    std::string clubState;  // the home club's state code; UpdateGolfer stores it as given
    std::string clubPostalCode;
    std::string clubPhone;
    std::string proShopPhone;  // the home club's pro shop
    std::string notes;         // free text
    std::string fullName;      // "First Middle Last" as the lists and the golfer's games show it
    std::string sex;           // "Male" or "Female", stored as given
    std::string category;      // "Adult Male" etc., stored as given, also into the golfer's games
    std::int16_t age = 0;      // in whole years
    float handicap = 0.0f;     // strokes, also into the golfer's games; must be finite

    friend bool operator==(const GolferRecord&, const GolferRecord&) = default;
};

}  // namespace zeviza
