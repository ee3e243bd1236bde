#include "courses/rules/ClubRecordArgs.h"

#include "zeviza/Identifiers.h"
#include "zeviza/TextNumber.h"

namespace parlow::courses {
namespace {

// Fairways to hit when the entry screen is left without a count: one per
// par-4 and par-5 hole of a standard course.
constexpr std::int16_t kStandardFairways = 14;

enum TextSlot { kClubIdSlot = 10, kTeesSlot = 11 };
enum StatSlot { kPar3s, kPar4s, kPar5s, kFairways, kLength };

// Every integer slot but the statistics holds a text ValidateCourse passed;
// the statistics are never checked, so whatever is no 16-bit number is 0.
std::int16_t WholeOrZero(const std::string& text) {
    return zeviza::ReadWholeNumber(text).value;
}

// The state list shows "NY - New York"; only the code is stored. Counted in
// characters, so a hand-typed accented name is never cut inside a letter.
std::string FirstTwoCharacters(const std::string& text) {
    std::size_t end = 0;
    for (int characters = 0; characters < 2 && end < text.size(); ++characters) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
    }
    return text.substr(0, end);
}

void FillTexts(const CourseEntry& entry, const std::string& newClubID, zeviza::TextArray& text) {
    text[0] = entry.clubName;
    text[1] = entry.address;
    text[2] = entry.city;
    text[3] = FirstTwoCharacters(entry.state);
    text[4] = entry.postalCode;
    text[5] = entry.clubPhone;
    text[6] = entry.proShopPhone;
    text[7] = entry.clubPro;
    text[8] = entry.asstPro;
    text[9] = entry.manager;
    text[kClubIdSlot] = newClubID;
    text[kTeesSlot] = entry.tees;
}

void FillNumbers(const CourseEntry& entry, zeviza::IntArray& numbers) {
    for (int hole = 0; hole < 18; ++hole) {
        numbers[ParBox(hole)] = WholeOrZero(entry.par[hole]);
    }
    numbers[kOutBox] = WholeOrZero(entry.out);
    numbers[kInBox] = WholeOrZero(entry.in);
    numbers[20] = WholeOrZero(entry.slope);
    numbers[21] = WholeOrZero(entry.coursePar);
}

void FillStats(const CourseEntry& entry, CourseScreen screen, zeviza::IntArray& stats) {
    stats[kPar3s] = WholeOrZero(entry.par3s);
    stats[kPar4s] = WholeOrZero(entry.par4s);
    stats[kPar5s] = WholeOrZero(entry.par5s);
    stats[kFairways] = WholeOrZero(entry.fairways);
    stats[kLength] = WholeOrZero(entry.length);
    // Only a new course gets a fairway count it was not given; an edit keeps 0.
    if (screen == CourseScreen::Entry && stats[kFairways] == 0) {
        stats[kFairways] = stats[kPar4s] != 0 ? kStandardFairways : 0;
    }
}

}  // namespace

ClubRecordArgs BuildClubRecordArgs(const CourseEntry& entry, CourseScreen screen,
                                   const std::string& newClubID) {
    ClubRecordArgs args;
    FillTexts(entry, newClubID, args.strText);
    FillNumbers(entry, args.intNumbers);
    for (int hole = 0; hole < 18; ++hole) {
        args.intCaps[hole] = WholeOrZero(entry.hcap[hole]);
    }
    FillStats(entry, screen, args.intStats);
    args.sngRating = zeviza::ReadSingle(entry.rating).value_or(0.0f);
    return args;
}

std::optional<std::string> MakeNewClubID(const zeviza::RecordSet* newClubIdRows) {
    return zeviza::FormIdentifierFromRows(zeviza::kClubIdentifiers, newClubIdRows);
}

}  // namespace parlow::courses
