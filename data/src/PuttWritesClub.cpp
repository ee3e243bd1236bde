#include <string>

#include "src/GolferStatistics.h"
#include "src/NewRecordWrites.h"
#include "src/WriteHelpers.h"

// Courses: add, change (the games on the course take its new name, tees,
// pars and hole handicaps) and remove (with the games on it, after the user
// confirms).

namespace zeviza {

using detail::Columns;
using detail::StoredText;

namespace {

// Par1, HCap1 ... Par9, HCap9, ParOut, Par10, HCap10 ... Par18, HCap18, ParIn:
// the card that course rows and the games on them both carry.
void AppendCard(Columns& columns, const CourseRecord& course) {
    for (std::size_t hole = 1; hole <= 18; ++hole) {
        columns.push_back({"Par" + std::to_string(hole), Value(course.pars[hole - 1])});
        columns.push_back({"HCap" + std::to_string(hole), Value(course.holeHandicaps[hole - 1])});
        if (hole == 9) {
            columns.push_back({"ParOut", Value(course.parOut)});
        }
    }
    columns.push_back({"ParIn", Value(course.parIn)});
}

// The texts of the course row from ClubName to ClubMgr; the state as given
// where `state` says so, since the edit screen takes it from a list.
void AppendTexts(Columns& columns, const CourseRecord& c, Value state) {
    columns.push_back({"ClubName", StoredText(c.name)});
    columns.push_back({"Address", StoredText(c.address)});
    columns.push_back({"City", StoredText(c.city)});
    columns.push_back({"State", std::move(state)});
    for (const auto& [column, text] :
         {std::pair<const char*, const std::string&>{"Zip", c.postalCode},
          {"ClubPhone", c.clubPhone},
          {"ProShopPhone", c.proShopPhone},
          {"ClubPro", c.clubPro},
          {"ClubAsstPro", c.assistantPro},
          {"ClubMgr", c.manager}}) {
        columns.push_back({column, StoredText(text)});
    }
    columns.push_back({"Tees", Value(c.tees)});
}

// Slope, rating, course par, par-type counts, fairways (twice) and length:
// what a course row carries beyond its card.
void AppendCourseFigures(Columns& columns, const CourseRecord& c) {
    columns.push_back({"Slope", Value(c.slope)});
    columns.push_back({"Rating", Value(c.rating)});
    columns.push_back({"CoursePar", Value(c.coursePar)});
    columns.push_back({"Par3s", Value(c.par3s)});
    columns.push_back({"Par4s", Value(c.par4s)});
    columns.push_back({"Par5s", Value(c.par5s)});
    columns.push_back({"FWays", Value(c.fairways)});
    columns.push_back({"TotalFWays", Value(c.fairways)});
    columns.push_back({"Yards", Value(c.yards)});
}

}  // namespace

namespace detail {

void InsertClub(Connection& connection, const CourseRecord& course) {
    RequireFinite({course.rating}, "course");
    Columns columns{{"ClubID", Value(course.clubId)}};
    AppendTexts(columns, course, StoredText(course.state));
    AppendCard(columns, course);
    AppendCourseFigures(columns, course);
    columns.push_back({"AddDate", Value(NowText())});
    Insert(connection, "tblClub", columns);
}

}  // namespace detail

bool Putt::AddClub(const CourseRecord& course) {
    return WriteNewClub({[&course]() -> const CourseRecord& { return course; }});
}

bool Putt::UpdateClub(const CourseRecord& course, ShownRecord* shown) {
    return WriteClubChange({[&course]() -> const CourseRecord& { return course; }}, shown);
}

bool Putt::WriteNewClub(const Source<CourseRecord>& source) {
    return RunWrite({"Add Course - DLL Function", "AddClub"}, [&](Connection& connection) {
        const CourseRecord& course = source.record();
        detail::RequireFinite({course.rating}, "course");
        detail::Checked(source.checked);
        detail::InsertClub(connection, course);
        return Outcome::Commit;
    });
}

bool Putt::WriteClubChange(const Source<CourseRecord>& source, ShownRecord* shown) {
    detail::ForgetChange(shown);
    return RunWrite({"Update Club - DLL Function", "Update Club"}, [&](Connection& connection) {
        const CourseRecord& course = source.record();
        detail::RequireFinite({course.rating}, "course");
        if (!detail::StillAsShown(connection, "tblClub", "ClubID", course.clubId, shown)) {
            return Outcome::RollBack;
        }
        detail::Checked(source.checked);
        Columns columns;
        AppendTexts(columns, course, Value(course.state));
        AppendCard(columns, course);
        AppendCourseFigures(columns, course);
        columns.push_back({"ModDate", Value(detail::NowText())});
        detail::UpdateExisting(connection, "tblClub", columns, "ClubID", course.clubId);

        // The games keep their own figures; only the copied card changes.
        Columns games{{"Club", detail::UntrimmedText(course.name)}, {"Tees", Value(course.tees)}};
        AppendCard(games, course);
        games.push_back({"CoursePar", Value(course.coursePar)});
        detail::Update(connection, "tblGames", games, "ClubID", course.clubId);
        return Outcome::Commit;
    });
}

bool Putt::DeleteClub(std::string& strClubID, ShownRecord* shown) {
    detail::ForgetChange(shown);
    return RunWrite({"Remove Club - DLL Function", "RemoveClub"}, [&](Connection& connection) {
        if (!detail::StillAsShown(connection, "tblClub", "ClubID", strClubID, shown)) {
            return Outcome::RollBack;
        }
        detail::Delete(connection, "tblClub", "ClubID", strClubID);
        // The golfers' running statistics must keep matching the games that
        // remain, so the removed games' figures come out of them too.
        for (const auto& share : detail::RemoveGames(connection, "ClubID", strClubID)) {
            detail::TakeOutOfGolfer(connection, share);
        }
        const bool yes = Confirmed("** WARNING **",
                                   "Remove this Course Record?\r\n\r\n"
                                   "Once removed it can't be recovered!\r\n\r\n"
                                   "This will also remove all Games recorded at this Club! ");
        return yes ? Outcome::Commit : Outcome::RollBack;
    });
}

}  // namespace zeviza
