#include <string>
#include <utility>

#include "src/WriteHelpers.h"

// Golfers: add, change (the golfer's games take the new name, category and
// handicap) and remove (with the golfer's games, after the user confirms).

namespace zeviza {

using detail::Columns;
using detail::StoredText;

namespace {

// FName to Notes, Age, Handicap, Sex, Category, FullName: what entry and
// edit share. The edit screen takes the two state codes from lists, and
// they go in as given where statesAsGiven says so.
Columns ProfileColumns(const GolferRecord& g, bool statesAsGiven) {
    const std::pair<const char*, const std::string&> texts[] = {{"FName", g.firstName},
                                                                {"MName", g.middleName},
                                                                {"LName", g.lastName},
                                                                {"Address", g.address},
                                                                {"City", g.city},
                                                                {"State", g.state},
                                                                {"Zip", g.postalCode},
                                                                {"HPhone", g.homePhone},
                                                                {"CPhone", g.cellPhone},
                                                                {"WPhone", g.workPhone},
                                                                {"Club", g.club},
                                                                {"ClubAddress", g.clubAddress},
                                                                {"ClubCity", g.clubCity},
                                                                {"ClubState", g.clubState},
                                                                {"ClubZip", g.clubPostalCode},
                                                                {"ClubPhone", g.clubPhone},
                                                                {"ClubProPhone", g.proShopPhone},
                                                                {"Notes", g.notes}};
    Columns columns;
    for (const auto& [column, text] : texts) {
        const bool state = &text == &g.state || &text == &g.clubState;
        columns.push_back({column, state && statesAsGiven ? Value(text) : StoredText(text)});
    }
    columns.push_back({"Age", Value(g.age)});
    columns.push_back({"Handicap", Value(g.handicap)});
    columns.push_back({"Sex", Value(g.sex)});
    columns.push_back({"Category", Value(g.category)});
    columns.push_back({"FullName", StoredText(g.fullName)});
    return columns;
}

}  // namespace

bool Putt::AddGolfer(const GolferRecord& golfer) {
    return WriteNewGolfer({[&golfer]() -> const GolferRecord& { return golfer; }});
}

bool Putt::UpdateGolfer(const GolferRecord& golfer, ShownRecord* shown) {
    return WriteGolferChange({[&golfer]() -> const GolferRecord& { return golfer; }}, shown);
}

bool Putt::WriteNewGolfer(const Source<GolferRecord>& source) {
    return RunWrite({"Add Golfer - DLL Function", "AddGolfer"}, [&](Connection& connection) {
        const GolferRecord& golfer = source.record();
        // A golfer without an identifier could never be chosen, changed or removed.
        if (golfer.golferId.empty()) {
            throw Error(kInvalidArgument, "A golfer needs an identifier.");
        }
        detail::RequireFinite({golfer.handicap}, "golfer");
        detail::Checked(source.checked);
        Columns columns{{"GolferID", Value(golfer.golferId)}};
        for (auto& column : ProfileColumns(golfer, false)) {
            columns.push_back(std::move(column));
        }
        // The handicap goes in with the rest: written again on its own, as
        // it once was, it stored the same value at the cost of a statement.
        detail::Insert(connection, "tblGolfer", columns);
        return Outcome::Commit;
    });
}

bool Putt::WriteGolferChange(const Source<GolferRecord>& source, ShownRecord* shown) {
    detail::ForgetChange(shown);
    return RunWrite({"Update Golfer - DLL Function", "Update Golfer"}, [&](Connection& connection) {
        const GolferRecord& golfer = source.record();
        // The handicap goes into every game of the golfer too.
        detail::RequireFinite({golfer.handicap}, "golfer");
        if (!detail::StillAsShown(connection, "tblGolfer", "GolferID", golfer.golferId, shown)) {
            return Outcome::RollBack;
        }
        detail::Checked(source.checked);
        auto columns = ProfileColumns(golfer, true);
        columns.push_back({"ModDate", Value(detail::NowText())});
        detail::UpdateExisting(connection, "tblGolfer", columns, "GolferID", golfer.golferId);

        detail::Update(connection, "tblGames",
                       {{"Handicap", Value(golfer.handicap)},
                        {"Category", Value(golfer.category)},
                        {"FullName", detail::UntrimmedText(golfer.fullName)}},
                       "GolferID", golfer.golferId);
        return Outcome::Commit;
    });
}

bool Putt::DeleteGolfer(std::string& strGolferID, ShownRecord* shown) {
    detail::ForgetChange(shown);
    return RunWrite({"Remove Golfer - DLL Function", "RemoveGolfer"}, [&](Connection& connection) {
        if (!detail::StillAsShown(connection, "tblGolfer", "GolferID", strGolferID, shown)) {
            return Outcome::RollBack;
        }
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
