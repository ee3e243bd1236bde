#include "src/GolferStatistics.h"
#include "src/WriteHelpers.h"

// Figures stored by an earlier version are worked out again on request only,
// never behind the user's back: the caller backs the file up first.

namespace zeviza {
namespace {

detail::Columns NineHoleColumns(const NineHoleFigures& nine) {
    detail::Columns columns{{"CoursePar", Value(nine.coursePar)},
                            {"TotalFWays", Value(nine.fairwaysToHit)},
                            {"PercentFWaysHit", Value(nine.fairwaysHit)}};
    const char* const types[] = {"3", "4", "5"};
    for (int type = 0; type < 3; ++type) {
        const std::string par = std::string("Par") + types[type];
        columns.push_back({par + "Scr", Value(nine.parScores[type])});
        columns.push_back({par + "18", Value(nine.parCounts[type])});
        columns.push_back({par + "Avg", Value(nine.parAverages[type])});
    }
    return columns;
}

bool Differs(const RecordSet& row, const detail::Columns& columns) {
    for (const detail::Column& column : columns) {
        const Value& stored = row.Field(column.name);
        if (column.value.IsReal() ? stored.ToDouble() != column.value.ToDouble()
                                  : stored.ToInt() != column.value.ToInt()) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool Putt::RefigureNineHoleGames(
    const std::function<std::optional<NineHoleFigures>(const RecordSet&)>& refigure,
    long long& gamesChanged) {
    gamesChanged = 0;
    long long changed = 0;
    const bool done = RunWrite(
        {"Refigure Nine-Hole Games - DLL Function", "RefigureNineHoleGames"},
        [&](Connection& connection) {
            auto rows = connection.Execute("SELECT * FROM tblGames WHERE Holes = 9 ORDER BY ID;");
            for (; !rows->Eof(); rows->MoveNext()) {
                const std::optional<NineHoleFigures> nine = refigure(*rows);
                if (!nine) {
                    continue;
                }
                const detail::Columns columns = NineHoleColumns(*nine);
                if (Differs(*rows, columns)) {
                    detail::Update(connection, "tblGames", columns, "GameID",
                                   rows->Field("GameID").ToText());
                    ++changed;
                }
            }
            detail::SumStatisticsAgain(connection);
            return Outcome::Commit;
        });
    if (done) {
        gamesChanged = changed;
    }
    return done;
}

}  // namespace zeviza
