#include "src/WriteHelpers.h"

// The golfer writes in their fixed-layout array form: the texts are read
// into the named record by their slots, checked for length first, and the
// caller's texts are cleaned in place once the record passed its checks.
// This is the one place the slots are laid out.
//
// strText 0 to 17, alike for both: 0 FName, 1 MName, 2 LName, 3 Address,
//   4 City, 5 State, 6 Zip, 7 HPhone, 8 CPhone, 9 WPhone, 10 Club,
//   11 ClubAddress, 12 ClubCity, 13 ClubState, 14 ClubZip, 15 ClubPhone,
//   16 ClubProPhone, 17 Notes.
// AddGolfer: 18 GolferID, 19 FullName, 20 Sex, 21 Category.
// UpdateGolfer (the identifier is strGolferID): 18 FullName, 19 Sex, 20 Category.

namespace zeviza {

namespace {

constexpr std::size_t kProfileTexts = 18;
constexpr std::size_t kStateSlot = 5;
constexpr std::size_t kClubStateSlot = 13;

// Slots 0 to 17, then FullName, Sex and Category from `rest` on.
GolferRecord GolferOf(const TextArray& text, std::size_t rest, std::int16_t age, float handicap) {
    detail::RequireSlots(text, rest + 3);
    GolferRecord g;
    g.firstName = text[0];
    g.middleName = text[1];
    g.lastName = text[2];
    g.address = text[3];
    g.city = text[4];
    g.state = text[kStateSlot];
    g.postalCode = text[6];
    g.homePhone = text[7];
    g.cellPhone = text[8];
    g.workPhone = text[9];
    g.club = text[10];
    g.clubAddress = text[11];
    g.clubCity = text[12];
    g.clubState = text[kClubStateSlot];
    g.clubPostalCode = text[14];
    g.clubPhone = text[15];
    g.proShopPhone = text[16];
    g.notes = text[17];
    g.fullName = text[rest];
    g.sex = text[rest + 1];
    g.category = text[rest + 2];
    g.age = age;
    g.handicap = handicap;
    return g;
}

// The texts a quoted statement would have spliced, in their escaped form:
// the profile and the full name; the edit screen's state codes went in
// unquoted.
void CleanTexts(Putt& putt, TextArray& text, std::size_t fullNameSlot, bool withStates) {
    for (std::size_t slot = 0; slot < kProfileTexts; ++slot) {
        if (withStates || (slot != kStateSlot && slot != kClubStateSlot)) {
            putt.Clean(text[slot]);
        }
    }
    putt.Clean(text[fullNameSlot]);
}

}  // namespace

bool Putt::AddGolfer(TextArray& strText, std::int16_t intAge, float sngHandicap) {
    GolferRecord golfer;
    return WriteNewGolfer({[&]() -> const GolferRecord& {
                               golfer = GolferOf(strText, 19, intAge, sngHandicap);
                               golfer.golferId = strText[18];
                               return golfer;
                           },
                           [&] { CleanTexts(*this, strText, 19, true); }});
}

bool Putt::UpdateGolfer(TextArray& strText, std::int16_t intAge, float sngHandicap,
                        std::string& strGolferID, ShownRecord* shown) {
    GolferRecord golfer;
    return WriteGolferChange({[&]() -> const GolferRecord& {
                                  golfer = GolferOf(strText, 18, intAge, sngHandicap);
                                  golfer.golferId = strGolferID;
                                  return golfer;
                              },
                              [&] { CleanTexts(*this, strText, 18, false); }},
                             shown);
}

}  // namespace zeviza
