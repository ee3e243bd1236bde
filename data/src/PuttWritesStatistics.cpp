#include <map>
#include <string>
#include <utility>

#include "src/GolferStatistics.h"
#include "zeviza/Error.h"

namespace zeviza::detail {

namespace {

// Columns that carry the same name in a game row and in the golfer's totals.
const char* const kHoleResults[] = {"Aces",   "DEagles", "Eagles",  "Birds",   "Pars",
                                    "Bogies", "DBogies", "TBogies", "QBogies", "Others"};
const char* const kFairways[] = {"FWaysLeft", "FWaysRight", "FWaysMissed"};
const char* const kGreens[] = {"GreensLeft", "GreensRight", "GreensLong", "GreensShort",
                               "GreensMissed"};
const char* const kPuttsMissed[] = {"PuttsLeft", "PuttsRight", "PuttsLong", "PuttsShort",
                                    "PuttsMissed"};
const char* const kPar = "345";

using Amounts = std::vector<std::pair<std::string, std::int64_t>>;

template <std::size_t N>
void AppendSame(Amounts& amounts, const char* const (&columns)[N],
                const std::int64_t (&values)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        amounts.emplace_back(columns[i], values[i]);
    }
}

// Every golfer column the share moves, and by how much.
Amounts GolferAmounts(const GolferShare& s) {
    Amounts a{{"Games", s.games}, {"TotalGross", s.gross}, {"TotalNet", s.net}};
    AppendSame(a, kHoleResults, s.holeResults);
    AppendSame(a, kFairways, s.fairways);
    AppendSame(a, kGreens, s.greens);
    AppendSame(a, kPuttsMissed, s.puttsMissed);
    a.emplace_back("TotalPutts", s.putts);
    a.emplace_back("SandSaves", s.sandSaves);
    a.emplace_back("UpDowns", s.upDowns);
    for (int i = 0; i < 3; ++i) {
        a.emplace_back(std::string("Par") + kPar[i] + "Score", s.parScores[i]);
    }

    const std::string length = s.eighteenHoles ? "18" : "9";
    const std::int64_t holesPerGame = s.eighteenHoles ? 18 : 9;
    a.emplace_back("Games" + length, s.games);
    a.emplace_back("Holes", holesPerGame * s.games);
    a.emplace_back("Holes" + length, holesPerGame * s.games);
    a.emplace_back("TotalPutts" + length, s.putts);
    a.emplace_back("GrossStrokes" + length, s.gross);
    a.emplace_back("NetStrokes" + length, s.net);
    a.emplace_back("TotalGross" + length, s.gross);
    a.emplace_back("TotalNet" + length, s.net);
    for (int i = 0; i < 3; ++i) {
        // Par318 and its kind count every game; Par39 and its kind 9-hole games only.
        a.emplace_back(std::string("Par") + kPar[i] + "18", s.parCounts[i]);
        if (!s.eighteenHoles) {
            a.emplace_back(std::string("Par") + kPar[i] + "9", s.parCounts[i]);
        }
    }
    return a;
}

long long Accumulate(Connection& connection, const GolferShare& share, const char* sign) {
    std::string sql = "UPDATE tblGolfer SET ";
    std::vector<Value> values;
    bool first = true;
    for (const auto& [column, amount] : GolferAmounts(share)) {
        sql += (first ? "" : ",") + column + " = " + column + sign + "?";
        values.emplace_back(amount);
        first = false;
    }
    sql += " WHERE GolferID = ?;";
    values.emplace_back(share.golferID);
    return connection.ExecuteChanges(sql, values);
}

// A real division; a count of 0 gives 0.
std::string Ratio(const std::string& sum, const std::string& count) {
    return "CASE WHEN " + count + " = 0 THEN 0 ELSE " + sum + " * 1.0 / " + count + " END";
}

std::string StrokeAverages(bool eighteenHoles) {
    const std::string n = eighteenHoles ? "18" : "9";
    return "GrossStroke" + n + "Avg = " + Ratio("TotalGross" + n, "Holes" + n) + ",NetStroke" + n +
           "Avg = " + Ratio("TotalNet" + n, "Holes" + n);
}

std::string ParAverages() {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        const std::string par = std::string("Par") + kPar[i];
        text += par + "Avg = " + Ratio(par + "Score", par + "18") + ",";
    }
    return text;
}

void SetGolfer(Connection& connection, const std::string& assignments,
               const std::string& golferID) {
    connection.Execute("UPDATE tblGolfer SET " + assignments + " WHERE GolferID = ?;",
                       {Value(golferID)});
}

}  // namespace

void AddToGolfer(Connection& connection, const GolferShare& share) {
    // A game whose golfer is not stored (removed from another window
    // meanwhile) would stand outside every golfer's statistics.
    if (Accumulate(connection, share, " + ") == 0) {
        throw Error(kNoCurrentRecord,
                    "The golfer of this game (" + share.golferID + ") is no longer stored.");
    }
}

void TakeOutOfGolfer(Connection& connection, const GolferShare& share) {
    Accumulate(connection, share, " - ");
    try {
        RecomputeAverages(connection, share.golferID, share.eighteenHoles);
    } catch (const Error& error) {
        if (error.Number() != kValueOutOfRange) {
            throw;
        }
        const std::string n = share.eighteenHoles ? "18" : "9";
        SetGolfer(connection, "GrossStroke" + n + "Avg = 0,NetStroke" + n + "Avg = 0",
                  share.golferID);
    }
}

void RecomputeAverages(Connection& connection, const std::string& golferID, bool eighteenHoles) {
    SetGolfer(connection, ParAverages() + StrokeAverages(eighteenHoles), golferID);
}

void RecomputeStrokeAverages(Connection& connection, const std::string& golferID,
                             bool eighteenHoles) {
    SetGolfer(connection, StrokeAverages(eighteenHoles), golferID);
}

std::vector<GolferShare> RemoveGames(Connection& connection, const std::string& keyColumn,
                                     const std::string& key) {
    std::string figures = "GolferID,Holes,GrossScore,NetScore,TotalPutts";
    auto add = [&figures](const auto& columns) {
        for (const char* column : columns) {
            figures += std::string(",") + column;
        }
    };
    add(kHoleResults);
    add(kFairways);
    add(kGreens);
    add(kPuttsMissed);
    figures += ",SandSaves,UpDowns,Par3Scr,Par4Scr,Par5Scr,Par318,Par418,Par518";
    auto rows = connection.Execute(
        "DELETE FROM tblGames WHERE " + keyColumn + " = ? RETURNING " + figures + ";",
        {Value(key)});

    std::map<std::pair<std::string, bool>, GolferShare> sums;
    for (; !rows->Eof(); rows->MoveNext()) {
        std::size_t column = 0;
        auto next = [&] { return rows->Field(column++).ToInt(); };
        const std::string golferID = rows->Field(column++).ToText();
        const bool eighteen = EighteenHoles(static_cast<std::int16_t>(next()));
        auto [entry, isNew] = sums.try_emplace({golferID, eighteen});
        GolferShare& share = entry->second;
        share.golferID = golferID;
        share.eighteenHoles = eighteen;
        if (!isNew) {
            ++share.games;  // a new share counts its first game already
        }
        auto sum = [&next](auto&... totals) { ((totals += next()), ...); };
        auto sumEach = [&next](auto& totals) {
            for (auto& total : totals) {
                total += next();
            }
        };
        sum(share.gross, share.net, share.putts);
        sumEach(share.holeResults);
        sumEach(share.fairways);
        sumEach(share.greens);
        sumEach(share.puttsMissed);
        sum(share.sandSaves, share.upDowns);
        sumEach(share.parScores);
        sumEach(share.parCounts);
    }
    std::vector<GolferShare> shares;
    for (auto& [golferAndLength, share] : sums) {
        shares.push_back(share);
    }
    return shares;
}

}  // namespace zeviza::detail
