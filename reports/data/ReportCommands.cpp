#include "reports/data/ReportCommands.h"

#include <algorithm>

#include "zeviza/ReaderCollation.h"

namespace parlow::reports {

namespace {

// Every division is a real one, and a zero divisor gives 0 rather than no
// value, so a golfer without games of a length gets zeros on the sheet.
std::string Ratio(const std::string& numerator, const std::string& divisor,
                  const std::string& name) {
    return "IFNULL(CAST(" + numerator + " AS REAL) / (" + divisor + "), 0.0) AS " + name;
}

const char* const kGolferExists = "SELECT GolferID FROM tblGolfer WHERE GolferID = ?";
const char* const kCourseExists = "SELECT ClubID FROM tblClub WHERE ClubID = ?";

// The games of one length, sorted by course name in the reader's order the
// program's lists use; games at the same course follow their play dates,
// then the order they were recorded in.
std::string HistorySql(const std::string& holes) {
    return "SELECT GolferID, GameID, ClubID, FullName, Club, Tees, PlayDate, GrossScore, "
           "NetScore, CoursePar, ScoreOut, ParOut, ScoreIn, ParIn, Handicap, TotalFWays, "
           "PercentFWaysHit, PercentGreensHit, PuttsPerGreen, SandSaves, UpDowns, LongDrive, " +
           Ratio("NetScore", holes, "StrokeAvg") + " FROM tblGames WHERE Holes = " + holes +
           " AND GolferID = ? ORDER BY Club COLLATE " + zeviza::kReaderOrder + ", PlayDate, ID";
}

std::string StatsSql(const std::string& holes) {
    return "SELECT FullName, GolferID, Handicap, Category, GreensLeft, GreensRight, "
           "GreensShort, GreensLong, GreensMissed, PuttsLeft, PuttsRight, PuttsShort, PuttsLong, "
           "PuttsMissed, TotalPutts, TotalPutts" +
           holes + ", PuttsPerGreen, SandSaves, UpDowns, TotalFWays, FWaysMissed, Games, Games" +
           holes +
           ", Aces, DEagles, Eagles, Birds, Pars, Bogies, DBogies, TBogies, QBogies, Others, "
           "TotalGross, TotalNet, TotalGross" +
           holes + ", TotalNet" + holes + ", Par3Avg, Par4Avg, Par5Avg, " +
           Ratio("TotalPutts" + holes, "Games" + holes + " * " + holes, "PuttAvg" + holes) + ", " +
           Ratio("TotalNet" + holes, "Games" + holes, "StrokeAvg") +
           " FROM tblGolfer WHERE GolferID = ?";
}

std::string ScoreStatsSql(const std::string& holes) {
    const std::string n = holes;
    return "SELECT GolferID, FullName, Category, Handicap, Address, City, State, Zip, Club, Age, "
           "Holes" +
           n + ", Games" + n + ", TotalGross" + n + ", TotalNet" + n + ", TotalPutts" + n +
           ", TotalFWays, FWaysMissed, GrossStroke" + n + "Avg, NetStroke" + n + "Avg, " +
           Ratio("TotalGross" + n, "Games" + n, "Gross" + n + "Avg") + ", " +
           Ratio("TotalNet" + n, "Games" + n, "Net" + n + "Avg") + ", " +
           Ratio("TotalPutts" + n, "Holes" + n, "PuttAvg" + n) + " FROM tblGolfer WHERE Holes" + n +
           " > 0 AND GolferID = ?";
}

std::vector<ReportCommand> MakeCommands() {
    const std::vector<std::string> golfer = {"GolferID"};
    const std::vector<std::string> club = {"ClubID"};
    return {
        {"cmdGameStats",
         "rptGameStats",
         {"FullName", "GameID"},
         "SELECT * FROM tblGames WHERE FullName = ? AND GameID = ?",
         {},
         "SELECT GameID FROM tblGames WHERE FullName = ? AND GameID = ?"},
        {"cmdClubStats",
         "rptClubData",
         club,
         "SELECT * FROM tblClub WHERE ClubID = ?",
         {},
         kCourseExists},
        {"cmdGames18Hist_Grouping",
         "rptGames18Hist",
         golfer,
         HistorySql("18"),
         {"FullName"},
         kGolferExists},
        {"cmdGames9Hist_Grouping",
         "rptGames9Hist",
         golfer,
         HistorySql("9"),
         {"FullName", "GolferID"},
         kGolferExists},
        {"cmdScoreCard",
         "rptScoreCard",
         club,
         "SELECT * FROM tblClub WHERE ClubID = ?",
         {},
         kCourseExists},
        {"cmdStats18", "rptGolfer18Stats", golfer, StatsSql("18"), {}, kGolferExists},
        {"cmdStats9", "rptGolfer9Stats", golfer, StatsSql("9"), {}, kGolferExists},
        {"cmd18ScoreStats", "rptScore18Stats", golfer, ScoreStatsSql("18"), {}, kGolferExists},
        {"cmd9ScoreStats", "rptScore9Stats", golfer, ScoreStatsSql("9"), {}, kGolferExists},
    };
}

template <typename Match>
const ReportCommand* FindBy(Match&& match) {
    const auto& commands = ReportCommands();
    auto at = std::find_if(commands.begin(), commands.end(), match);
    return at == commands.end() ? nullptr : &*at;
}

}  // namespace

const std::vector<ReportCommand>& ReportCommands() {
    static const std::vector<ReportCommand> commands = MakeCommands();
    return commands;
}

const ReportCommand* FindReportCommand(const std::string& name) {
    return FindBy([&name](const ReportCommand& c) { return c.name == name; });
}

const ReportCommand* CommandForLayout(const std::string& layout) {
    return FindBy([&layout](const ReportCommand& c) { return c.layout == layout; });
}

}  // namespace parlow::reports
