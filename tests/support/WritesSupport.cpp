#include "tests/support/WritesSupport.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <algorithm>

namespace writes_support {

TextArray GolferText(const std::string& golferID, const std::string& first,
                     const std::string& last) {
    TextArray text(23);
    text[0] = first;
    text[2] = last;
    text[3] = "1 Main St";
    text[4] = "Springfield";
    text[5] = "IL";
    text[10] = "Home Links";
    text[18] = golferID;
    text[19] = first + " " + last;
    text[20] = "Male";
    text[21] = "Adult Male";
    return text;
}

bool AddGolfer(zeviza::Putt& putt, const std::string& golferID, const std::string& first,
               const std::string& last, float handicap) {
    auto text = GolferText(golferID, first, last);
    return putt.AddGolfer(text, 40, handicap);
}

TextArray GolferEditText(const std::string& first, const std::string& last,
                         const std::string& category) {
    TextArray text(22);
    text[0] = first;
    text[2] = last;
    text[5] = "IL";
    text[18] = first + " " + last;
    text[19] = "Male";
    text[20] = category;
    return text;
}

std::array<std::int16_t, 18> StandardPars() {
    return {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5};
}

std::array<std::int16_t, 18> ShortPars() {
    return {4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4};
}

zeviza::CourseRecord CourseRecordOf(const Course& course) {
    zeviza::CourseRecord c{.clubId = course.id,
                           .name = course.name,
                           .address = "1 Fairway Dr",
                           .city = "Pinehurst",
                           .state = "NC",
                           .postalCode = "28374",
                           .clubPhone = "555-0100",
                           .proShopPhone = "555-0101",
                           .clubPro = "Pro Name",
                           .assistantPro = "Asst Name",
                           .manager = "Mgr Name",
                           .tees = course.tees};
    for (int hole = 1; hole <= 18; ++hole) {
        const std::int16_t par = course.pars[hole - 1];
        c.pars[hole - 1] = par;
        (hole <= 9 ? c.parOut : c.parIn) += par;
        c.holeHandicaps[hole - 1] = static_cast<std::int16_t>(hole);
        ++(par == 3 ? c.par3s : par == 4 ? c.par4s : c.par5s);
        c.fairways += par > 3 ? 1 : 0;
    }
    c.coursePar = static_cast<std::int16_t>(c.parOut + c.parIn);
    c.slope = 131;
    c.rating = 70.4f;
    c.yards = 6512;
    return c;
}

bool AddCourse(zeviza::Putt& putt, const Course& course) {
    return putt.AddClub(CourseRecordOf(course));
}

Game::Game() {
    playDate = "2024-05-18 00:00:00";
    holes = 18;
    category = "Adult Male";
    handicap = 12;
    greensHit = 50.5f;
    fairwaysHit = 60.25f;
}

std::int16_t& ResultCount(zeviza::GameStats& stats, int score, int par) {
    std::int16_t* const byDifference[] = {
        &stats.doubleEagles, &stats.eagles,          &stats.birdies,
        &stats.pars,         &stats.bogies,          &stats.doubleBogies,
        &stats.tripleBogies, &stats.quadrupleBogies, &stats.others};
    return *byDifference[std::clamp(score - par, -3, 5) + 3];
}

// Counts from `seed` for every detail the entry screen takes beside the holes.
void FillDetailCounts(zeviza::GameStats& s, int seed) {
    int n = 0;
    for (std::int16_t* count :
         {&s.fairwaysLeft, &s.fairwaysRight, &s.greensLeft, &s.greensRight, &s.greensLong,
          &s.greensShort, &s.puttsLeft, &s.puttsRight, &s.puttsLong, &s.puttsShort, &s.sandSaves,
          &s.upDowns, &s.fairwaysMissed, &s.greensMissed, &s.puttsMissed}) {
        *count = static_cast<std::int16_t>((seed * 7 + n++ * 3) % 5);
    }
}

Game MakeGame(const std::string& gameID, const std::string& golferID, const std::string& golferName,
              const Course& course, const std::vector<std::int16_t>& scores, int seed,
              int strokes) {
    Game g;
    g.gameId = gameID;
    g.golferId = golferID;
    g.golferName = golferName;
    g.clubId = course.id;
    g.clubName = course.name;
    g.tees = course.tees;
    g.holes = static_cast<std::int16_t>(scores.size() == 9 ? 9 : 18);
    zeviza::GameStats& s = g.stats;
    int out = 0;
    int in = 0;
    for (int hole = 1; hole <= 18; ++hole) {
        const int par = course.ParOf(hole);
        g.pars[hole - 1] = static_cast<std::int16_t>(par);
        g.holeHandicaps[hole - 1] = static_cast<std::int16_t>(hole);
        (hole <= 9 ? g.parOut : g.parIn) += static_cast<std::int16_t>(par);
        if (static_cast<std::size_t>(hole) > scores.size()) {
            continue;
        }
        const int score = scores[hole - 1];
        g.scores[hole - 1] = static_cast<std::int16_t>(score);
        (hole <= 9 ? out : in) += score;
        ResultCount(s, score, par)++;
        s.aces += score == 1 ? 1 : 0;
        s.parScores[par - 3] += static_cast<std::int16_t>(score);
        s.parCounts[par - 3]++;
        s.fairwaysToHit += par > 3 ? 1 : 0;
    }
    g.scoreOut = static_cast<std::int16_t>(out);
    g.scoreIn = static_cast<std::int16_t>(in);
    g.gross = static_cast<std::int16_t>(out + in);
    g.partnerScores[0] = 88;
    g.net = static_cast<std::int16_t>(out + in - strokes);
    g.coursePar = static_cast<std::int16_t>(g.parOut + g.parIn);
    FillDetailCounts(s, seed);
    s.totalPutts = static_cast<std::int16_t>(2 * g.holes - 1 + seed % 4);
    s.longDrive = 255;
    for (int i = 0; i < 3; ++i) {
        const int count = s.parCounts[i];
        g.parAverages[i] = count == 0 ? 0.0f : static_cast<float>(s.parScores[i]) / count;
    }
    g.strokeAverage = static_cast<float>(g.net) / g.holes;
    g.puttAverage = static_cast<float>(s.totalPutts) / g.holes;
    return g;
}

std::vector<std::int16_t> ParScores(const Course& course, int holes, int over) {
    std::vector<std::int16_t> scores;
    for (int hole = 1; hole <= holes; ++hole) {
        scores.push_back(static_cast<std::int16_t>(course.ParOf(hole) + (hole == 1 ? over : 0)));
    }
    return scores;
}

Removal RemovalOf(SQLite::Database& db, const std::string& gameID) {
    SQLite::Statement row(db, "SELECT GolferID, Holes FROM tblGames WHERE GameID = ?");
    row.bind(1, gameID);
    Removal removal;
    removal.gameId = gameID;
    if (row.executeStep()) {
        removal.golferId = row.getColumn(0).getString();
        removal.holes = static_cast<std::int16_t>(row.getColumn(1).getInt());
    }
    return removal;
}

Removal RemovalOf(const testing_support::ProgramFolder& folder, const std::string& gameID) {
    auto db = folder.Open();
    return RemovalOf(db, gameID);
}

namespace {

std::map<std::string, std::string> StoredRow(const testing_support::ProgramFolder& folder,
                                             const std::string& table, const std::string& keyColumn,
                                             const std::string& key) {
    auto db = folder.Open();
    SQLite::Statement row(db, "SELECT * FROM " + table + " WHERE " + keyColumn + " = ?");
    row.bind(1, key);
    std::map<std::string, std::string> columns;
    if (row.executeStep()) {
        for (int i = 0; i < row.getColumnCount(); ++i) {
            const std::string name = row.getColumnName(i);
            if (name != "ID" && name != keyColumn && name != "AddDate" && name != "ModDate") {
                columns[name] = row.getColumn(i).getString();
            }
        }
    }
    return columns;
}

}  // namespace

std::string RowDifferences(const testing_support::ProgramFolder& folder, const std::string& table,
                           const std::string& keyColumn, const std::string& one,
                           const std::string& other) {
    const auto a = StoredRow(folder, table, keyColumn, one);
    const auto b = StoredRow(folder, table, keyColumn, other);
    std::string differences = a.empty() || b.empty() ? "a row is missing" : "";
    for (const auto& [column, value] : a) {
        const auto found = b.find(column);
        if (found == b.end() || found->second != value) {
            differences += " " + column + ": " + value + " / " +
                           (found == b.end() ? std::string() : found->second);
        }
    }
    return differences;
}

const std::vector<std::string>& StatisticsColumns() {
    static const std::vector<std::string> columns = {"Games",
                                                     "Games9",
                                                     "Games18",
                                                     "Holes",
                                                     "Holes9",
                                                     "Holes18",
                                                     "TotalGross",
                                                     "TotalNet",
                                                     "TotalGross9",
                                                     "TotalNet9",
                                                     "TotalGross18",
                                                     "TotalNet18",
                                                     "GrossStrokes9",
                                                     "NetStrokes9",
                                                     "GrossStrokes18",
                                                     "NetStrokes18",
                                                     "TotalPutts",
                                                     "TotalPutts9",
                                                     "TotalPutts18",
                                                     "Aces",
                                                     "DEagles",
                                                     "Eagles",
                                                     "Birds",
                                                     "Pars",
                                                     "Bogies",
                                                     "DBogies",
                                                     "TBogies",
                                                     "QBogies",
                                                     "Others",
                                                     "FWaysLeft",
                                                     "FWaysRight",
                                                     "FWaysMissed",
                                                     "GreensLeft",
                                                     "GreensRight",
                                                     "GreensLong",
                                                     "GreensShort",
                                                     "GreensMissed",
                                                     "PuttsLeft",
                                                     "PuttsRight",
                                                     "PuttsLong",
                                                     "PuttsShort",
                                                     "PuttsMissed",
                                                     "SandSaves",
                                                     "UpDowns",
                                                     "Par3Score",
                                                     "Par4Score",
                                                     "Par5Score",
                                                     "Par318",
                                                     "Par418",
                                                     "Par518",
                                                     "Par39",
                                                     "Par49",
                                                     "Par59",
                                                     "Par3Avg",
                                                     "Par4Avg",
                                                     "Par5Avg",
                                                     "GrossStroke18Avg",
                                                     "NetStroke18Avg",
                                                     "GrossStroke9Avg",
                                                     "NetStroke9Avg",
                                                     "PuttsPerGreen",
                                                     "TotalFWays"};
    return columns;
}

Statistics StoredStatistics(SQLite::Database& db, const std::string& golferID) {
    std::string list;
    for (const auto& column : StatisticsColumns()) {
        list += (list.empty() ? "" : ",") + column;
    }
    SQLite::Statement row(db, "SELECT " + list + " FROM tblGolfer WHERE GolferID = ?");
    row.bind(1, golferID);
    Statistics stats;
    if (row.executeStep()) {
        for (int i = 0; i < row.getColumnCount(); ++i) {
            stats[StatisticsColumns()[i]] = row.getColumn(i).getDouble();
        }
    }
    return stats;
}

Statistics RecomputedStatistics(SQLite::Database& db, const std::string& golferID) {
    Statistics s;
    for (const auto& column : StatisticsColumns()) {
        s[column] = 0;
    }
    const std::vector<std::string> same = {
        "Aces",       "DEagles",     "Eagles",       "Birds",      "Pars",
        "Bogies",     "DBogies",     "TBogies",      "QBogies",    "Others",
        "FWaysLeft",  "FWaysRight",  "FWaysMissed",  "GreensLeft", "GreensRight",
        "GreensLong", "GreensShort", "GreensMissed", "PuttsLeft",  "PuttsRight",
        "PuttsLong",  "PuttsShort",  "PuttsMissed",  "SandSaves",  "UpDowns"};
    std::string list =
        "Holes,GrossScore,NetScore,TotalPutts,Par3Scr,Par4Scr,Par5Scr,Par318,"
        "Par418,Par518";
    for (const auto& column : same) {
        list += "," + column;
    }
    SQLite::Statement games(db, "SELECT " + list + " FROM tblGames WHERE GolferID = ?");
    games.bind(1, golferID);
    while (games.executeStep()) {
        const bool eighteen = games.getColumn(0).getInt() == 18;
        const std::string n = eighteen ? "18" : "9";
        const double gross = games.getColumn(1).getDouble();
        const double net = games.getColumn(2).getDouble();
        const double putts = games.getColumn(3).getDouble();
        s["Games"] += 1;
        s["Games" + n] += 1;
        s["Holes"] += eighteen ? 18 : 9;
        s["Holes" + n] += eighteen ? 18 : 9;
        for (const std::string total : {"TotalGross", "GrossStrokes"}) {
            s[total + n] += gross;
        }
        for (const std::string total : {"TotalNet", "NetStrokes"}) {
            s[total + n] += net;
        }
        s["TotalGross"] += gross;
        s["TotalNet"] += net;
        s["TotalPutts"] += putts;
        s["TotalPutts" + n] += putts;
        for (int i = 0; i < 3; ++i) {
            const std::string par = "Par" + std::to_string(i + 3);
            s[par + "Score"] += games.getColumn(4 + i).getDouble();
            s[par + "18"] += games.getColumn(7 + i).getDouble();
            if (!eighteen) {
                s[par + "9"] += games.getColumn(7 + i).getDouble();
            }
        }
        for (std::size_t i = 0; i < same.size(); ++i) {
            s[same[i]] += games.getColumn(static_cast<int>(10 + i)).getDouble();
        }
    }
    auto ratio = [](double sum, double count) { return count == 0 ? 0.0 : sum / count; };
    for (int i = 3; i <= 5; ++i) {
        const std::string par = "Par" + std::to_string(i);
        s[par + "Avg"] = ratio(s[par + "Score"], s[par + "18"]);
    }
    for (const std::string n : {"9", "18"}) {
        s["GrossStroke" + n + "Avg"] = ratio(s["TotalGross" + n], s["Holes" + n]);
        s["NetStroke" + n + "Avg"] = ratio(s["TotalNet" + n], s["Holes" + n]);
    }
    return s;
}

::testing::AssertionResult StatisticsMatchGames(SQLite::Database& db, const std::string& golferID) {
    const auto stored = StoredStatistics(db, golferID);
    const auto expected = RecomputedStatistics(db, golferID);
    if (stored.empty()) {
        return ::testing::AssertionFailure() << "no golfer " << golferID;
    }
    std::string wrong;
    for (const auto& [column, value] : expected) {
        const double have = stored.at(column);
        if (std::abs(have - value) > 1e-9 * std::max(1.0, std::abs(value))) {
            wrong +=
                " " + column + "=" + std::to_string(have) + " (want " + std::to_string(value) + ")";
        }
    }
    if (!wrong.empty()) {
        return ::testing::AssertionFailure() << golferID << ":" << wrong;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult StatisticsMatchGames(const testing_support::ProgramFolder& folder,
                                                const std::string& golferID) {
    auto db = folder.Open();
    return StatisticsMatchGames(db, golferID);
}
}  // namespace writes_support
