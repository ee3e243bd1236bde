#pragma once
// Builders for the fixed-layout arrays the screens hand to the writes, and a
// recomputation of a golfer's running statistics from the games that are
// stored: what the statistics columns must always equal.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/ProgramFolder.h"
#include "zeviza/Putt.h"

namespace writes_support {

using zeviza::IntArray;
using zeviza::SingleArray;
using zeviza::TextArray;

// --- golfers ---

// strText as the golfer entry screen fills it (0 to 22, 0 to 21 used).
inline TextArray GolferText(const std::string& golferID, const std::string& first,
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

inline bool AddGolfer(zeviza::Putt& putt, const std::string& golferID, const std::string& first,
                      const std::string& last, float handicap = 12.5f) {
    auto text = GolferText(golferID, first, last);
    return putt.AddGolfer(text, 40, handicap);
}

// strText as the golfer edit screen fills it (0 to 21, 0 to 20 used).
inline TextArray GolferEditText(const std::string& first, const std::string& last,
                                const std::string& category = "Adult Male") {
    TextArray text(22);
    text[0] = first;
    text[2] = last;
    text[5] = "IL";
    text[18] = first + " " + last;
    text[19] = "Male";
    text[20] = category;
    return text;
}

// --- courses ---

struct Course {
    std::string id;
    std::string name;
    std::array<std::int16_t, 18> pars{};
    std::string tees = "White";

    int ParOf(int hole) const { return pars[hole - 1]; }
};

// Par 72 with four par 3s and four par 5s.
inline std::array<std::int16_t, 18> StandardPars() {
    return {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5};
}
// No par-5 hole at all.
inline std::array<std::int16_t, 18> ShortPars() {
    return {4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4};
}

struct CourseArrays {
    TextArray strText = TextArray(13);
    IntArray intNumbers = IntArray(23);
    IntArray intCaps = IntArray(19);
    IntArray intStats = IntArray(6);
    float sngRating = 70.4f;
};

inline CourseArrays CourseArraysOf(const Course& course) {
    CourseArrays a;
    a.strText = {course.name, "1 Fairway Dr", "Pinehurst", "NC",        "28374",
                 "555-0100",  "555-0101",     "Pro Name",  "Asst Name", "Mgr Name",
                 course.id,   course.tees,    ""};
    int out = 0;
    int in = 0;
    for (int hole = 1; hole <= 18; ++hole) {
        const int slot = hole <= 9 ? hole - 1 : hole;
        a.intNumbers[slot] = course.ParOf(hole);
        (hole <= 9 ? out : in) += course.ParOf(hole);
        a.intCaps[hole - 1] = static_cast<std::int16_t>(hole);
        a.intStats[course.ParOf(hole) - 3]++;
        a.intStats[3] += course.ParOf(hole) > 3 ? 1 : 0;
    }
    a.intNumbers[9] = static_cast<std::int16_t>(out);
    a.intNumbers[19] = static_cast<std::int16_t>(in);
    a.intNumbers[20] = 131;
    a.intNumbers[21] = static_cast<std::int16_t>(out + in);
    a.intStats[4] = 6512;
    return a;
}

inline bool AddCourse(zeviza::Putt& putt, const Course& course) {
    auto a = CourseArraysOf(course);
    return putt.AddClub(a.strText, a.intNumbers, a.intCaps, a.intStats, a.sngRating);
}

// --- games ---

// Every argument of AddGame, laid out as the game entry screen lays it.
struct Game {
    IntArray intScores = IntArray(26);
    IntArray intPars = IntArray(22);
    IntArray intCaps = IntArray(19);
    std::string datDate = "2024-05-18 00:00:00";
    std::string strGolfer;
    std::string strClub;
    std::string strGameID;
    IntArray intStats = IntArray(36);
    std::string strTees;
    std::string strClubID;
    std::string strGolferID;
    std::int16_t intHoles = 18;
    float sngStrokeAvg = 0;
    float sngPuttAvg = 0;
    TextArray strPartners = TextArray(4);
    std::string strCategory = "Adult Male";
    std::int16_t intHandicap = 12;
    float sngGreensHit = 50.5f;
    float sngFWaysHit = 60.25f;
    SingleArray sngParAvg = SingleArray(4);

    bool Add(zeviza::Putt& putt) {
        return putt.AddGame(intScores, intPars, intCaps, datDate, strGolfer, strClub, strGameID,
                            intStats, strTees, strClubID, strGolferID, intHoles, sngStrokeAvg,
                            sngPuttAvg, strPartners, strCategory, intHandicap, sngGreensHit,
                            sngFWaysHit, sngParAvg);
    }
};

// intStats slot of a hole's result against par (slot 24: more than 4 over).
inline std::size_t ResultSlot(int score, int par) {
    const int diff = score - par;
    if (diff <= -3) {
        return 16;
    }
    if (diff >= 5) {
        return 24;
    }
    return static_cast<std::size_t>(19 + diff);
}

// A game over the front nine (9 scores) or the full course (18 scores).
// The detail counts are made from `seed`, the net score is the gross less
// `strokes`.
inline Game MakeGame(const std::string& gameID, const std::string& golferID,
                     const std::string& golferName, const Course& course,
                     const std::vector<std::int16_t>& scores, int seed = 0, int strokes = 10) {
    Game g;
    g.strGameID = gameID;
    g.strGolferID = golferID;
    g.strGolfer = golferName;
    g.strClubID = course.id;
    g.strClub = course.name;
    g.strTees = course.tees;
    g.intHoles = static_cast<std::int16_t>(scores.size() == 9 ? 9 : 18);
    int out = 0;
    int in = 0;
    for (int hole = 1; hole <= 18; ++hole) {
        const std::size_t slot = hole <= 9 ? hole - 1 : hole;
        const int par = course.ParOf(hole);
        g.intPars[slot] = static_cast<std::int16_t>(par);
        g.intCaps[hole - 1] = static_cast<std::int16_t>(hole);
        if (static_cast<std::size_t>(hole) > scores.size()) {
            continue;
        }
        const int score = scores[hole - 1];
        g.intScores[slot] = static_cast<std::int16_t>(score);
        (hole <= 9 ? out : in) += score;
        g.intStats[ResultSlot(score, par)]++;
        g.intStats[15] += score == 1 ? 1 : 0;
        g.intStats[29 + (par - 3)] += static_cast<std::int16_t>(score);
        g.intStats[32 + (par - 3)]++;
        g.intStats[27] += par > 3 ? 1 : 0;
    }
    g.intScores[9] = static_cast<std::int16_t>(out);
    g.intScores[19] = static_cast<std::int16_t>(in);
    g.intScores[20] = static_cast<std::int16_t>(out + in);
    g.intScores[21] = 88;
    g.intScores[24] = static_cast<std::int16_t>(out + in - strokes);
    g.intPars[9] = static_cast<std::int16_t>(course.pars[0] + course.pars[1] + course.pars[2] +
                                             course.pars[3] + course.pars[4] + course.pars[5] +
                                             course.pars[6] + course.pars[7] + course.pars[8]);
    int total = 0;
    for (auto par : course.pars) {
        total += par;
    }
    g.intPars[19] = static_cast<std::int16_t>(total - g.intPars[9]);
    g.intPars[20] = static_cast<std::int16_t>(total);
    for (std::size_t slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 25, 26}) {
        g.intStats[slot] = static_cast<std::int16_t>((seed * 7 + static_cast<int>(slot) * 3) % 5);
    }
    g.intStats[13] = static_cast<std::int16_t>(2 * g.intHoles - 1 + seed % 4);
    g.intStats[14] = 255;
    for (int i = 0; i < 3; ++i) {
        const int count = g.intStats[32 + i];
        g.sngParAvg[i] = count == 0 ? 0.0f : static_cast<float>(g.intStats[29 + i]) / count;
    }
    g.sngStrokeAvg = static_cast<float>(g.intScores[24]) / g.intHoles;
    g.sngPuttAvg = static_cast<float>(g.intStats[13]) / g.intHoles;
    return g;
}

// Scores of `holes` holes at par plus `over` on the first hole.
inline std::vector<std::int16_t> ParScores(const Course& course, int holes, int over = 0) {
    std::vector<std::int16_t> scores;
    for (int hole = 1; hole <= holes; ++hole) {
        scores.push_back(static_cast<std::int16_t>(course.ParOf(hole) + (hole == 1 ? over : 0)));
    }
    return scores;
}

// --- removal ---

// The game's columns in the order of the removal screen's intStats slots.
inline const std::vector<std::pair<int, const char*>>& RemovalSlots() {
    static const std::vector<std::pair<int, const char*>> slots = {
        {0, "Aces"},         {1, "DEagles"},      {2, "Eagles"},       {3, "Birds"},
        {4, "Pars"},         {5, "Bogies"},       {6, "DBogies"},      {7, "TBogies"},
        {8, "QBogies"},      {9, "Others"},       {10, "FWaysLeft"},   {11, "FWaysRight"},
        {12, "FWaysMissed"}, {13, "PuttsLeft"},   {14, "PuttsRight"},  {15, "PuttsLong"},
        {16, "PuttsShort"},  {17, "PuttsMissed"}, {18, "TotalPutts"},  {19, "GreensLeft"},
        {20, "GreensRight"}, {21, "GreensLong"},  {22, "GreensShort"}, {23, "GreensMissed"},
        {24, "SandSaves"},   {25, "UpDowns"},     {38, "NetScore"},    {39, "GrossScore"}};
    return slots;
}

struct Removal {
    std::string gameID;
    std::string golferID;
    std::int16_t holes = 0;
    IntArray intStats = IntArray(41);

    bool Run(zeviza::Putt& putt) { return putt.DeleteGame(gameID, golferID, holes, intStats); }
};

// What the removal screen passes for a stored game.
inline Removal RemovalOf(SQLite::Database& db, const std::string& gameID) {
    std::string columns = "GolferID,Holes";
    for (const auto& [slot, column] : RemovalSlots()) {
        columns += std::string(",") + column;
    }
    SQLite::Statement row(db, "SELECT " + columns + " FROM tblGames WHERE GameID = ?");
    row.bind(1, gameID);
    Removal removal;
    removal.gameID = gameID;
    if (!row.executeStep()) {
        return removal;
    }
    removal.golferID = row.getColumn(0).getString();
    removal.holes = static_cast<std::int16_t>(row.getColumn(1).getInt());
    int column = 2;
    for (const auto& [slot, name] : RemovalSlots()) {
        removal.intStats[slot] = static_cast<std::int16_t>(row.getColumn(column++).getInt());
    }
    return removal;
}

inline Removal RemovalOf(const testing_support::ProgramFolder& folder, const std::string& gameID) {
    auto db = folder.Open();
    return RemovalOf(db, gameID);
}

// --- the running statistics ---

inline const std::vector<std::string>& StatisticsColumns() {
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

using Statistics = std::map<std::string, double>;

inline Statistics StoredStatistics(SQLite::Database& db, const std::string& golferID) {
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

// The statistics a golfer must show: sums over the games stored for the
// golfer, averages from those sums, 0 where a count is 0.
inline Statistics RecomputedStatistics(SQLite::Database& db, const std::string& golferID) {
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

// Every statistics column of the golfer equals its recomputation.
inline ::testing::AssertionResult StatisticsMatchGames(SQLite::Database& db,
                                                       const std::string& golferID) {
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

inline ::testing::AssertionResult StatisticsMatchGames(const testing_support::ProgramFolder& folder,
                                                       const std::string& golferID) {
    auto db = folder.Open();
    return StatisticsMatchGames(db, golferID);
}

}  // namespace writes_support
