#include <array>
#include <string>

#include "src/GolferStatistics.h"
#include "src/NewRecordWrites.h"
#include "src/WriteHelpers.h"

// Courses: add, change (the games on the course take its new name, tees,
// pars and hole handicaps) and remove (with the games on it, after the user
// confirms).

namespace zeviza {

using detail::Columns;

namespace {

constexpr std::size_t kClubTexts = 10;  // strText 0 to 9
const std::array<const char*, kClubTexts> kClubColumns = {
    "ClubName",  "Address",      "City",    "State",       "Zip",
    "ClubPhone", "ProShopPhone", "ClubPro", "ClubAsstPro", "ClubMgr"};

constexpr std::size_t kTees = 11;

void RequireCourseSlots(const TextArray& strText, const IntArray& intNumbers,
                        const IntArray& intCaps, const IntArray& intStats) {
    detail::RequireSlots(strText, 12);
    detail::RequireSlots(intNumbers, 22);
    detail::RequireSlots(intCaps, 18);
    detail::RequireSlots(intStats, 5);
}

// Par1, HCap1 ... Par9, HCap9, ParOut, Par10, HCap10 ... Par18, HCap18, ParIn:
// the card that course rows and the games on them both carry.
void AppendCard(Columns& columns, const IntArray& intNumbers, const IntArray& intCaps) {
    for (std::size_t hole = 1; hole <= 18; ++hole) {
        const std::size_t parSlot = hole <= 9 ? hole - 1 : hole;
        columns.push_back({"Par" + std::to_string(hole), Value(intNumbers[parSlot])});
        columns.push_back({"HCap" + std::to_string(hole), Value(intCaps[hole - 1])});
        if (hole == 9) {
            columns.push_back({"ParOut", Value(intNumbers[9])});
        }
    }
    columns.push_back({"ParIn", Value(intNumbers[19])});
}

// Slope, rating, course par, par-type counts, fairways (twice) and length:
// what a course row carries beyond its card.
void AppendCourseFigures(Columns& columns, const IntArray& intNumbers, const IntArray& intStats,
                         float sngRating) {
    columns.push_back({"Slope", Value(intNumbers[20])});
    columns.push_back({"Rating", Value(sngRating)});
    columns.push_back({"CoursePar", Value(intNumbers[21])});
    columns.push_back({"Par3s", Value(intStats[0])});
    columns.push_back({"Par4s", Value(intStats[1])});
    columns.push_back({"Par5s", Value(intStats[2])});
    columns.push_back({"FWays", Value(intStats[3])});
    columns.push_back({"TotalFWays", Value(intStats[3])});
    columns.push_back({"Yards", Value(intStats[4])});
}

}  // namespace

namespace detail {

void InsertClub(Putt& putt, Connection& connection, TextArray& strText, IntArray& intNumbers,
                IntArray& intCaps, IntArray& intStats, float sngRating) {
    RequireCourseSlots(strText, intNumbers, intCaps, intStats);
    RequireFinite({sngRating}, "course");
    Columns columns{{"ClubID", Value(strText[10])}};
    for (auto& column : TextColumns(putt, strText, kClubColumns, {})) {
        columns.push_back(std::move(column));
    }
    columns.push_back({"Tees", Value(strText[kTees])});
    AppendCard(columns, intNumbers, intCaps);
    AppendCourseFigures(columns, intNumbers, intStats, sngRating);
    columns.push_back({"AddDate", Value(NowText())});
    Insert(connection, "tblClub", columns);
}

}  // namespace detail

bool Putt::AddClub(TextArray& strText, IntArray& intNumbers, IntArray& intCaps, IntArray& intStats,
                   float sngRating) {
    return RunWrite({"Add Course - DLL Function", "AddClub"}, [&](Connection& connection) {
        detail::InsertClub(*this, connection, strText, intNumbers, intCaps, intStats, sngRating);
        return Outcome::Commit;
    });
}

bool Putt::UpdateClub(TextArray& strText, IntArray& intNumbers, IntArray& intCaps,
                      IntArray& intStats, float sngRating, std::string& strClubID,
                      ShownRecord* shown) {
    detail::ForgetChange(shown);
    return RunWrite({"Update Club - DLL Function", "Update Club"}, [&](Connection& connection) {
        RequireCourseSlots(strText, intNumbers, intCaps, intStats);
        detail::RequireFinite({sngRating}, "course");
        if (!detail::StillAsShown(connection, "tblClub", "ClubID", strClubID, shown)) {
            return Outcome::RollBack;
        }
        // The state code comes from a list on the edit screen and goes in unchanged.
        auto columns = detail::TextColumns(*this, strText, kClubColumns, {3});
        columns.push_back({"Tees", Value(strText[kTees])});
        AppendCard(columns, intNumbers, intCaps);
        AppendCourseFigures(columns, intNumbers, intStats, sngRating);
        columns.push_back({"ModDate", Value(detail::NowText())});
        detail::UpdateExisting(connection, "tblClub", columns, "ClubID", strClubID);

        // The games keep their own figures; only the copied card changes.
        Columns games{{"Club", detail::ReusedText(strText[0])}, {"Tees", Value(strText[kTees])}};
        AppendCard(games, intNumbers, intCaps);
        games.push_back({"CoursePar", Value(intNumbers[21])});
        detail::Update(connection, "tblGames", games, "ClubID", strClubID);
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
