#include "courses/rules/CourseRecordBuilder.h"

#include "zeviza/Identifiers.h"
#include "zeviza/TextNumber.h"

namespace parlow::courses {
namespace {

// Fairways to hit when the entry screen is left without a count: one per
// par-4 and par-5 hole of a standard course.
constexpr std::int16_t kStandardFairways = 14;

// Every number but the statistics holds a text ValidateCourse passed; the
// statistics are never checked, so whatever is no 16-bit number is 0.
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

void FillTexts(const CourseEntry& entry, zeviza::CourseRecord& course) {
    course.name = entry.clubName;
    course.address = entry.address;
    course.city = entry.city;
    course.state = FirstTwoCharacters(entry.state);
    course.postalCode = entry.postalCode;
    course.clubPhone = entry.clubPhone;
    course.proShopPhone = entry.proShopPhone;
    course.clubPro = entry.clubPro;
    course.assistantPro = entry.asstPro;
    course.manager = entry.manager;
    course.tees = entry.tees;
}

void FillCard(const CourseEntry& entry, zeviza::CourseRecord& course) {
    for (int hole = 0; hole < 18; ++hole) {
        course.pars[hole] = WholeOrZero(entry.par[hole]);
        course.holeHandicaps[hole] = WholeOrZero(entry.hcap[hole]);
    }
    course.parOut = WholeOrZero(entry.out);
    course.parIn = WholeOrZero(entry.in);
    course.coursePar = WholeOrZero(entry.coursePar);
    course.slope = WholeOrZero(entry.slope);
    course.rating = zeviza::ReadSingle(entry.rating).value_or(0.0f);
}

void FillStats(const CourseEntry& entry, CourseScreen screen, zeviza::CourseRecord& course) {
    course.par3s = WholeOrZero(entry.par3s);
    course.par4s = WholeOrZero(entry.par4s);
    course.par5s = WholeOrZero(entry.par5s);
    course.fairways = WholeOrZero(entry.fairways);
    course.yards = WholeOrZero(entry.length);
    // Only a new course gets a fairway count it was not given; an edit keeps 0.
    if (screen == CourseScreen::Entry && course.fairways == 0) {
        course.fairways = course.par4s != 0 ? kStandardFairways : 0;
    }
}

}  // namespace

zeviza::CourseRecord BuildCourseRecord(const CourseEntry& entry, CourseScreen screen,
                                       const std::string& clubID) {
    zeviza::CourseRecord course;
    course.clubId = clubID;
    FillTexts(entry, course);
    FillCard(entry, course);
    FillStats(entry, screen, course);
    return course;
}

std::optional<std::string> MakeNewClubID(const zeviza::RecordSet* newClubIdRows) {
    return zeviza::FormIdentifierFromRows(zeviza::kClubIdentifiers, newClubIdRows);
}

}  // namespace parlow::courses
