#include <array>
#include <set>

#include "src/WriteHelpers.h"

// Golfers: add, change (the golfer's games take the new name, category and
// handicap) and remove (with the golfer's games, after the user confirms).

namespace zeviza {

using detail::CleanedText;
using detail::Columns;

namespace {

constexpr std::size_t kProfileTexts = 18;  // strText 0 to 17
const std::array<const char*, kProfileTexts> kProfileColumns = {
    "FName",    "MName",     "LName",   "Address",   "City",         "State",
    "Zip",      "HPhone",    "CPhone",  "WPhone",    "Club",         "ClubAddress",
    "ClubCity", "ClubState", "ClubZip", "ClubPhone", "ClubProPhone", "Notes"};

// FName to Notes, Age, Handicap: what entry and edit share. The slots in
// asIs are stored unchanged, every other text cleaned.
Columns ProfileColumns(Putt& putt, TextArray& strText, std::int16_t intAge, float sngHandicap,
                       const std::set<std::size_t>& asIs) {
    Columns columns = detail::TextColumns(putt, strText, kProfileColumns, asIs);
    columns.push_back({"Age", Value(intAge)});
    columns.push_back({"Handicap", Value(sngHandicap)});
    return columns;
}

}  // namespace

bool Putt::AddGolfer(TextArray& strText, std::int16_t intAge, float sngHandicap) {
    return RunWrite({"Add Golfer - DLL Function", "AddGolfer"}, [&](Connection& connection) {
        detail::RequireSlots(strText, 22);
        const std::string& golferID = strText[18];
        // A golfer without an identifier could never be chosen, changed or removed.
        if (golferID.empty()) {
            throw Error(kInvalidArgument, "A golfer needs an identifier.");
        }
        detail::RequireFinite({sngHandicap}, "golfer");
        Columns columns{{"GolferID", Value(golferID)}};
        for (auto& column : ProfileColumns(*this, strText, intAge, sngHandicap, {})) {
            columns.push_back(std::move(column));
        }
        columns.push_back({"Sex", Value(strText[20])});
        columns.push_back({"Category", Value(strText[21])});
        columns.push_back({"FullName", CleanedText(*this, strText[19])});
        detail::Insert(connection, "tblGolfer", columns);
        detail::Update(connection, "tblGolfer", {{"Handicap", Value(sngHandicap)}}, "GolferID",
                       golferID);
        return Outcome::Commit;
    });
}

bool Putt::UpdateGolfer(TextArray& strText, std::int16_t intAge, float sngHandicap,
                        std::string& strGolferID) {
    return RunWrite({"Update Golfer - DLL Function", "Update Golfer"}, [&](Connection& connection) {
        detail::RequireSlots(strText, 21);
        // The handicap goes into every game of the golfer too.
        detail::RequireFinite({sngHandicap}, "golfer");
        // The state codes come from a list on the edit screen and go in unchanged.
        auto columns = ProfileColumns(*this, strText, intAge, sngHandicap, {5, 13});
        columns.push_back({"Sex", Value(strText[19])});
        columns.push_back({"Category", Value(strText[20])});
        columns.push_back({"FullName", CleanedText(*this, strText[18])});
        columns.push_back({"ModDate", Value(detail::NowText())});
        detail::UpdateExisting(connection, "tblGolfer", columns, "GolferID", strGolferID);

        detail::Update(connection, "tblGames",
                       {{"Handicap", Value(sngHandicap)},
                        {"Category", Value(strText[20])},
                        {"FullName", detail::ReusedText(strText[18])}},
                       "GolferID", strGolferID);
        return Outcome::Commit;
    });
}

bool Putt::DeleteGolfer(std::string& strGolferID) {
    return RunWrite({"Remove Golfer - DLL Function", "RemoveGolfer"}, [&](Connection& connection) {
        detail::Delete(connection, "tblGolfer", "GolferID", strGolferID);
        detail::Delete(connection, "tblGames", "GolferID", strGolferID);
        const bool yes = Confirmed("Are You Sure?",
                                   "Remove this Golfer Record? \r\n\r\n"
                                   "Once removed it can't be recovered!\r\n\r\n"
                                   "All games recorded for this Golfer will also be removed! ");
        return yes ? Outcome::Commit : Outcome::RollBack;
    });
}

}  // namespace zeviza
