#include "tests/reports/engine/SampleReports.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace report_samples {

namespace {

using zeviza::RecordSet;
using zeviza::Value;
using Values = std::map<std::string, Value>;

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

const std::string kClubColumns =
    "ID ClubID ClubName Address City State Zip ClubPhone ProShopPhone ClubPro ClubAsstPro ClubMgr "
    "ClubMgrPhone Tees Par1 Par2 Par3 Par4 Par5 Par6 Par7 Par8 Par9 Par10 Par11 Par12 Par13 Par14 "
    "Par15 Par16 Par17 Par18 HCap1 HCap2 HCap3 HCap4 HCap5 HCap6 HCap7 HCap8 HCap9 HCap10 HCap11 "
    "HCap12 HCap13 HCap14 HCap15 HCap16 HCap17 HCap18 ParOut ParIn CoursePar Slope Rating Par3s "
    "Par4s Par5s FWays TotalFWays Yards Holes AddDate ModDate";

const std::string kGameColumns =
    "ID GameID GolferID FullName Category Handicap ClubID Club Tees PlayDate Partner1 Partner2 "
    "Partner3 PartnerScore1 PartnerScore2 PartnerScore3 Score1 Score2 Score3 Score4 Score5 Score6 "
    "Score7 Score8 Score9 Score10 Score11 Score12 Score13 Score14 Score15 Score16 Score17 Score18 "
    "ScoreOut ScoreIn GrossScore NetScore Par1 Par2 Par3 Par4 Par5 Par6 Par7 Par8 Par9 Par10 Par11 "
    "Par12 Par13 Par14 Par15 Par16 Par17 Par18 ParOut ParIn CoursePar HCap1 HCap2 HCap3 HCap4 "
    "HCap5 HCap6 HCap7 HCap8 HCap9 HCap10 HCap11 HCap12 HCap13 HCap14 HCap15 HCap16 HCap17 HCap18 "
    "Par318 Par418 Par518 Par3Scr Par4Scr Par5Scr Par3Avg Par4Avg Par5Avg FWaysLeft FWaysRight "
    "FWaysMissed GreensLeft GreensRight GreensLong GreensShort GreensMissed PuttsLeft PuttsRight "
    "PuttsLong PuttsShort PuttsMissed TotalPutts SandSaves UpDowns LongDrive Aces DEagles Eagles "
    "Birds Pars Bogies DBogies TBogies QBogies Others TotalFWays Holes StrokeAvg PuttsPerGreen "
    "PercentGreensHit PercentFWaysHit TotalGross TotalNet TotalGross9 TotalNet9 TotalPutts9 "
    "GrossStrokes9 NetStrokes9 TotalGross18 TotalNet18 TotalPutts18 GrossStrokes18 NetStrokes18 "
    "AddDate";

const std::string kHistoryColumns =
    "GolferID GameID ClubID FullName Club Tees PlayDate GrossScore NetScore CoursePar ScoreOut "
    "ParOut ScoreIn ParIn Handicap TotalFWays PercentFWaysHit PercentGreensHit PuttsPerGreen "
    "SandSaves UpDowns LongDrive StrokeAvg";

std::string StatsColumns(const std::string& n) {
    return "FullName GolferID Handicap Category GreensLeft GreensRight GreensShort GreensLong "
           "GreensMissed PuttsLeft PuttsRight PuttsShort PuttsLong PuttsMissed TotalPutts "
           "TotalPutts" +
           n + " PuttsPerGreen SandSaves UpDowns TotalFWays FWaysMissed Games Games" + n +
           " Aces DEagles Eagles Birds Pars Bogies DBogies TBogies QBogies Others TotalGross "
           "TotalNet TotalGross" +
           n + " TotalNet" + n + " Par3Avg Par4Avg Par5Avg PuttAvg" + n + " StrokeAvg";
}

std::string ScoreStatsColumns(const std::string& n) {
    return "GolferID FullName Category Handicap Address City State Zip Club Age Holes" + n +
           " Games" + n + " TotalGross" + n + " TotalNet" + n + " TotalPutts" + n +
           " TotalFWays FWaysMissed GrossStroke" + n + "Avg NetStroke" + n + "Avg Gross" + n +
           "Avg Net" + n + "Avg PuttAvg" + n;
}

// One row in the command's column order; columns not given hold 0.
std::vector<Value> Row(const std::vector<std::string>& columns, const Values& values) {
    std::vector<Value> row;
    for (const std::string& column : columns) {
        auto found = values.find(column);
        row.push_back(found != values.end() ? found->second : Value(0));
    }
    return row;
}

RecordSet Records(const std::string& columnText, const std::vector<Values>& rows) {
    const std::vector<std::string> columns = Words(columnText);
    std::vector<std::vector<Value>> table;
    for (const Values& values : rows) {
        table.push_back(Row(columns, values));
    }
    return RecordSet(columns, std::move(table));
}

ReportData Plain(const std::string& columns, const Values& values) {
    ReportData data;
    data.rows = Records(columns, {values});
    return data;
}

Values Course() {
    Values v = {{"ID", 3},
                {"ClubID", "C3"},
                {"ClubName", "Cedar Ridge Golf Club"},
                {"Address", "1200 Fairway Drive"},
                {"City", "Saint-Jérôme"},
                {"State", "QC"},
                {"Zip", "J7Z 5T3"},
                {"ClubPhone", "450-555-0100"},
                {"ProShopPhone", "450-555-0101"},
                {"ClubPro", "Éric Lévesque"},
                {"ClubAsstPro", "Anna Kowalski"},
                {"ClubMgr", "Robert Dunn"},
                {"ClubMgrPhone", ""},
                {"Tees", "White"},
                {"ParOut", 36},
                {"ParIn", 36},
                {"CoursePar", 72},
                {"Slope", 113},
                {"Rating", 72.0},
                {"Par3s", 4},
                {"Par4s", 10},
                {"Par5s", 4},
                {"FWays", 14},
                {"TotalFWays", 14},
                {"Yards", 6512},
                {"AddDate", "2024-04-01 09:30:00"},
                {"ModDate", "2024-04-01 09:30:00"}};
    const int pars[] = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 5, 3, 4, 4};
    const int caps[] = {7, 1, 17, 9, 3, 15, 11, 5, 13, 8, 18, 2, 12, 6, 4, 16, 10, 14};
    for (int h = 1; h <= 18; ++h) {
        v["Par" + std::to_string(h)] = pars[h - 1];
        v["HCap" + std::to_string(h)] = caps[h - 1];
    }
    return v;
}

Values HistoryGame(int n, const std::string& club, int net, const std::string& date) {
    const int out = net / 2 + net % 2;
    return {{"GolferID", "D7"},
            {"GameID", "G" + std::to_string(n)},
            {"ClubID", club == "Willow Creek" ? "C5" : "C3"},
            {"FullName", "Margaret O'Brien-Núñez"},
            {"Club", club},
            {"Tees", "White"},
            {"PlayDate", date},
            {"GrossScore", net},
            {"NetScore", net},
            {"CoursePar", 72},
            {"ScoreOut", out},
            {"ParOut", 36},
            {"ScoreIn", net - out},
            {"ParIn", 36},
            {"Handicap", 12.6},
            {"TotalFWays", 14},
            {"PercentFWaysHit", 64.28571428571429},
            {"PercentGreensHit", 44.44444444444444},
            {"PuttsPerGreen", 1.8333333333333333},
            {"SandSaves", 1},
            {"UpDowns", 3},
            {"LongDrive", 245},
            {"StrokeAvg", net / 18.0}};
}

ReportData History(const std::string& parentColumns, const Values& parent,
                   const std::vector<Values>& games) {
    ReportData data;
    data.rows = Records(parentColumns, {parent});
    data.children.push_back(Records(kHistoryColumns, games));
    return data;
}

Values Golfer() {
    return {{"GolferID", "D7"},
            {"FullName", "Margaret O'Brien-Núñez"},
            {"Category", "Adult Female"},
            {"Handicap", 12.6},
            {"Address", "42 Rue des Érables"},
            {"City", "Sherbrooke"},
            {"State", "QC"},
            {"Zip", "J1H 2K6"},
            {"Club", "Cedar Ridge Golf Club"},
            {"Age", 47},
            {"GreensLeft", 21},
            {"GreensRight", 17},
            {"GreensShort", 30},
            {"GreensLong", 8},
            {"GreensMissed", 76},
            {"PuttsLeft", 12},
            {"PuttsRight", 9},
            {"PuttsShort", 25},
            {"PuttsLong", 6},
            {"PuttsMissed", 52},
            {"TotalPutts", 956},
            {"SandSaves", 5},
            {"UpDowns", 19},
            {"FWaysMissed", 88},
            {"Games", 44},
            {"Aces", 1},
            {"DEagles", 0},
            {"Eagles", 2},
            {"Birds", 31},
            {"Pars", 301},
            {"Bogies", 280},
            {"DBogies", 97},
            {"TBogies", 22},
            {"QBogies", 5},
            {"Others", 3},
            {"TotalGross", 2468},
            {"TotalNet", 2468},
            {"Par3Avg", 3.6153846153846154},
            {"Par4Avg", 4.8125},
            {"Par5Avg", 5.875}};
}

}  // namespace

ReportData GameStats() {
    Values game = Course();
    game.erase("ClubName");
    const int scores[] = {5, 6, 3, 4, 5, 4, 4, 6, 5, 4, 3, 6, 5, 5, 6, 4, 5, 4};
    for (int h = 1; h <= 18; ++h) {
        game["Score" + std::to_string(h)] = scores[h - 1];
    }
    const Values own = {{"ID", 12},
                        {"GameID", "G12"},
                        {"GolferID", "D7"},
                        {"FullName", "Margaret O'Brien-Núñez"},
                        {"Category", "Adult Female"},
                        {"Handicap", 12.6},
                        {"Club", "Cedar Ridge Golf Club"},
                        {"PlayDate", "2024-05-03 00:00:00"},
                        {"Partner1", "Zoë Fairbanks"},
                        {"Partner2", "Hiroshi Tanaka"},
                        {"Partner3", ""},
                        {"PartnerScore1", 91},
                        {"PartnerScore2", 84},
                        {"ScoreOut", 42},
                        {"ScoreIn", 42},
                        {"GrossScore", 84},
                        {"NetScore", 84},
                        {"Par318", 4},
                        {"Par418", 10},
                        {"Par518", 4},
                        {"Par3Avg", 3.5},
                        {"Par4Avg", 4.7},
                        {"Par5Avg", 6.0},
                        {"FWaysLeft", 3},
                        {"FWaysRight", 2},
                        {"FWaysMissed", 5},
                        {"GreensLeft", 2},
                        {"GreensRight", 3},
                        {"GreensLong", 1},
                        {"GreensShort", 4},
                        {"GreensMissed", 10},
                        {"PuttsLeft", 1},
                        {"PuttsRight", 2},
                        {"PuttsLong", 0},
                        {"PuttsShort", 3},
                        {"PuttsMissed", 6},
                        {"TotalPutts", 33},
                        {"SandSaves", 1},
                        {"UpDowns", 2},
                        {"LongDrive", 245},
                        {"Birds", 2},
                        {"Pars", 6},
                        {"Bogies", 8},
                        {"DBogies", 2},
                        {"Holes", 18},
                        {"StrokeAvg", 84 / 18.0},
                        {"PuttsPerGreen", 33 / 18.0},
                        {"PercentGreensHit", 44.44444444444444},
                        {"PercentFWaysHit", 64.28571428571429},
                        {"TotalGross", 84},
                        {"TotalNet", 84},
                        {"TotalGross18", 84},
                        {"TotalNet18", 84},
                        {"TotalPutts18", 33},
                        {"GrossStrokes18", 84},
                        {"NetStrokes18", 84},
                        {"AddDate", "2024-05-03 19:02:11"}};
    for (const auto& [column, value] : own) {
        game[column] = value;
    }
    return Plain(kGameColumns, game);
}

ReportData ClubStats() {
    return Plain(kClubColumns, Course());
}

ReportData ScoreCard() {
    return Plain(kClubColumns, Course());
}

ReportData Games18History() {
    return History("FullName", {{"FullName", "Margaret O'Brien-Núñez"}},
                   {HistoryGame(12, "Cedar Ridge Golf Club", 88, "2024-05-03 00:00:00"),
                    HistoryGame(15, "Cedar Ridge Golf Club", 91, "2024-06-14 00:00:00"),
                    HistoryGame(19, "Willow Creek", 85, "2024-07-21 00:00:00")});
}

ReportData Games9History() {
    std::vector<Values> games = {
        HistoryGame(13, "Cedar Ridge Golf Club", 44, "2024-05-10 00:00:00"),
        HistoryGame(16, "Cedar Ridge Golf Club", 41, "2024-06-02 00:00:00"),
        HistoryGame(21, "Willow Creek", 46, "2024-08-30 00:00:00")};
    for (Values& game : games) {
        game["StrokeAvg"] = game["NetScore"].ToDouble() / 9.0;
        game["CoursePar"] = 36;
        game["ParIn"] = 0;
        game["ScoreIn"] = 0;
        game["ScoreOut"] = game["NetScore"];
    }
    return History("FullName GolferID",
                   {{"FullName", "Margaret O'Brien-Núñez"}, {"GolferID", "D7"}}, games);
}

ReportData Stats18() {
    Values v = Golfer();
    v["Games18"] = 14;
    v["TotalGross18"] = 1234;
    v["TotalNet18"] = 1234;
    v["TotalPutts18"] = 461;
    v["PuttAvg18"] = 461.0 / (14 * 18);
    v["StrokeAvg"] = 1234.0 / 14;
    return Plain(StatsColumns("18"), v);
}

ReportData Stats9() {
    Values v = Golfer();
    v["Games9"] = 30;
    v["TotalGross9"] = 1234;
    v["TotalNet9"] = 1234;
    v["TotalPutts9"] = 495;
    v["PuttAvg9"] = 495.0 / (30 * 9);
    v["StrokeAvg"] = 1234.0 / 30;
    return Plain(StatsColumns("9"), v);
}

ReportData Score18Stats() {
    Values v = Golfer();
    v["Holes18"] = 252;
    v["Games18"] = 14;
    v["TotalGross18"] = 1234;
    v["TotalNet18"] = 1234;
    v["TotalPutts18"] = 461;
    v["GrossStroke18Avg"] = 1234.0 / 252;
    v["NetStroke18Avg"] = 1234.0 / 252;
    v["Gross18Avg"] = 1234.0 / 14;
    v["Net18Avg"] = 1234.0 / 14;
    v["PuttAvg18"] = 461.0 / 252;
    return Plain(ScoreStatsColumns("18"), v);
}

ReportData Score9Stats() {
    Values v = Golfer();
    v["Holes9"] = 270;
    v["Games9"] = 30;
    v["TotalGross9"] = 1234;
    v["TotalNet9"] = 1234;
    v["TotalPutts9"] = 495;
    v["GrossStroke9Avg"] = 1234.0 / 270;
    v["NetStroke9Avg"] = 1234.0 / 270;
    v["Gross9Avg"] = 1234.0 / 30;
    v["Net9Avg"] = 1234.0 / 30;
    v["PuttAvg9"] = 495.0 / 270;
    return Plain(ScoreStatsColumns("9"), v);
}

ReportData LongHistory(int games) {
    const char* clubs[] = {"Aspen Hollow", "Birch Point", "Cedar Ridge Golf Club", "Willow Creek"};
    std::vector<Values> rows;
    for (int n = 0; n < games; ++n) {
        const int month = 1 + n % 12;
        const int day = 1 + n % 28;
        const std::string date = std::to_string(2000 + n / 50) + "-" + (month < 10 ? "0" : "") +
                                 std::to_string(month) + "-" + (day < 10 ? "0" : "") +
                                 std::to_string(day) + " 00:00:00";
        // Sorted by course name, as the command returns them.
        rows.push_back(HistoryGame(n + 1, clubs[n * 4 / games], 70 + n % 30, date));
    }
    return History("FullName", {{"FullName", "Margaret O'Brien-Núñez"}}, rows);
}

ReportData ForLayout(const std::string& layout) {
    static const std::map<std::string, ReportData (*)()> makers = {
        {"rptGameStats", GameStats},      {"rptClubData", ClubStats},
        {"rptScoreCard", ScoreCard},      {"rptGames18Hist", Games18History},
        {"rptGames9Hist", Games9History}, {"rptGolfer18Stats", Stats18},
        {"rptGolfer9Stats", Stats9},      {"rptScore18Stats", Score18Stats},
        {"rptScore9Stats", Score9Stats}};
    auto found = makers.find(layout);
    if (found == makers.end()) {
        throw std::invalid_argument("no sample data for " + layout);
    }
    return found->second();
}

}  // namespace report_samples
