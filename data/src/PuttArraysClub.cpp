#include "src/WriteHelpers.h"

// The course writes in their fixed-layout array form: the arrays are read
// into the named record by their slots, checked for length first, and the
// caller's texts are cleaned in place once the record passed its checks.
// This is the one place the slots are laid out.
//
// strText: 0 ClubName, 1 Address, 2 City, 3 State, 4 Zip, 5 ClubPhone,
//   6 ProShopPhone, 7 ClubPro, 8 ClubAsstPro, 9 ClubMgr, 10 ClubID (AddClub
//   only; UpdateClub takes strClubID), 11 Tees.
// intNumbers: holes 1-9 par at 0-8, ParOut 9, holes 10-18 at 10-18, ParIn 19,
//   Slope 20, CoursePar 21.
// intCaps: holes 1-18 at 0-17.
// intStats: 0 Par3s, 1 Par4s, 2 Par5s, 3 FWays, 4 Yards.

namespace zeviza {

namespace {

constexpr std::size_t kClubTexts = 10;  // strText 0 to 9: cleaned
constexpr std::size_t kStateSlot = 3;

CourseRecord CourseOf(const TextArray& text, const IntArray& numbers, const IntArray& caps,
                      const IntArray& stats, float rating) {
    detail::RequireSlots(text, 12);
    detail::RequireSlots(numbers, 22);
    detail::RequireSlots(caps, 18);
    detail::RequireSlots(stats, 5);
    CourseRecord course;
    course.name = text[0];
    course.address = text[1];
    course.city = text[2];
    course.state = text[kStateSlot];
    course.postalCode = text[4];
    course.clubPhone = text[5];
    course.proShopPhone = text[6];
    course.clubPro = text[7];
    course.assistantPro = text[8];
    course.manager = text[9];
    course.clubId = text[10];
    course.tees = text[11];
    for (std::size_t hole = 0; hole < 18; ++hole) {
        course.pars[hole] = numbers[hole < 9 ? hole : hole + 1];
        course.holeHandicaps[hole] = caps[hole];
    }
    course.parOut = numbers[9];
    course.parIn = numbers[19];
    course.slope = numbers[20];
    course.coursePar = numbers[21];
    course.rating = rating;
    course.par3s = stats[0];
    course.par4s = stats[1];
    course.par5s = stats[2];
    course.fairways = stats[3];
    course.yards = stats[4];
    return course;
}

// The texts a quoted statement would have spliced, in their escaped form;
// the edit screen's state code went in unquoted.
void CleanTexts(Putt& putt, TextArray& text, bool withState) {
    for (std::size_t slot = 0; slot < kClubTexts; ++slot) {
        if (withState || slot != kStateSlot) {
            putt.Clean(text[slot]);
        }
    }
}

}  // namespace

bool Putt::AddClub(TextArray& strText, IntArray& intNumbers, IntArray& intCaps, IntArray& intStats,
                   float sngRating) {
    CourseRecord course;
    return WriteNewClub({[&]() -> const CourseRecord& {
                             return course =
                                        CourseOf(strText, intNumbers, intCaps, intStats, sngRating);
                         },
                         [&] { CleanTexts(*this, strText, true); }});
}

bool Putt::UpdateClub(TextArray& strText, IntArray& intNumbers, IntArray& intCaps,
                      IntArray& intStats, float sngRating, std::string& strClubID,
                      ShownRecord* shown) {
    CourseRecord course;
    return WriteClubChange({[&]() -> const CourseRecord& {
                                course =
                                    CourseOf(strText, intNumbers, intCaps, intStats, sngRating);
                                course.clubId = strClubID;
                                return course;
                            },
                            [&] { CleanTexts(*this, strText, false); }},
                           shown);
}

}  // namespace zeviza
