#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "reports/data/DataReport.h"
#include "tests/reports/ReportSample.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "zeviza/Error.h"

namespace {

using parlow::reports::DataReport;
using parlow::reports::ReportData;

struct DataReportTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    DataReport reports{folder.Path()};

    void SetUp() override {
        zeviza::Putt putt(folder.Path());
        report_sample::StoreSample(putt);
    }

    // The single row of a plain command.
    zeviza::RecordSet Row(const std::string& command, const std::vector<std::string>& values) {
        zeviza::RecordSet rows = reports.Run(command, values)->rows;
        EXPECT_EQ(rows.RecordCount(), 1u) << command;
        return rows;
    }
    double Golfer(const std::string& expression, const std::string& id = "D1") const {
        return folder.Real("SELECT " + expression + " FROM tblGolfer WHERE GolferID = '" + id +
                           "'");
    }
};

std::string Joined(const std::vector<std::string>& names) {
    std::ostringstream out;
    for (const auto& name : names) {
        out << name << ' ';
    }
    return out.str();
}

std::vector<std::string> GameIds(const zeviza::RecordSet& games) {
    zeviza::RecordSet copy = games;
    std::vector<std::string> ids;
    for (copy.MoveFirst(); !copy.Eof(); copy.MoveNext()) {
        ids.push_back(copy.Field("GameID").ToText());
    }
    return ids;
}

TEST_F(DataReportTest, EachCommandGivesItsColumnsInOrder) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"cmdStats18",
         "FullName GolferID Handicap Category GreensLeft GreensRight GreensShort GreensLong "
         "GreensMissed PuttsLeft PuttsRight PuttsShort PuttsLong PuttsMissed TotalPutts "
         "TotalPutts18 PuttsPerGreen SandSaves UpDowns TotalFWays FWaysMissed Games Games18 Aces "
         "DEagles Eagles Birds Pars Bogies DBogies TBogies QBogies Others TotalGross TotalNet "
         "TotalGross18 TotalNet18 Par3Avg Par4Avg Par5Avg PuttAvg18 StrokeAvg "},
        {"cmdStats9",
         "FullName GolferID Handicap Category GreensLeft GreensRight GreensShort GreensLong "
         "GreensMissed PuttsLeft PuttsRight PuttsShort PuttsLong PuttsMissed TotalPutts "
         "TotalPutts9 PuttsPerGreen SandSaves UpDowns TotalFWays FWaysMissed Games Games9 Aces "
         "DEagles Eagles Birds Pars Bogies DBogies TBogies QBogies Others TotalGross TotalNet "
         "TotalGross9 TotalNet9 Par3Avg Par4Avg Par5Avg PuttAvg9 StrokeAvg "},
        {"cmd18ScoreStats",
         "GolferID FullName Category Handicap Address City State Zip Club Age Holes18 Games18 "
         "TotalGross18 TotalNet18 TotalPutts18 TotalFWays FWaysMissed GrossStroke18Avg "
         "NetStroke18Avg Gross18Avg Net18Avg PuttAvg18 "},
        {"cmd9ScoreStats",
         "GolferID FullName Category Handicap Address City State Zip Club Age Holes9 Games9 "
         "TotalGross9 TotalNet9 TotalPutts9 TotalFWays FWaysMissed GrossStroke9Avg "
         "NetStroke9Avg Gross9Avg Net9Avg PuttAvg9 "},
    };
    for (const auto& [command, columns] : expected) {
        EXPECT_EQ(Joined(reports.Run(command, {"D1"})->rows.Columns()), columns) << command;
    }
    const std::string history =
        "GolferID GameID ClubID FullName Club Tees PlayDate GrossScore NetScore CoursePar "
        "ScoreOut ParOut ScoreIn ParIn Handicap TotalFWays PercentFWaysHit PercentGreensHit "
        "PuttsPerGreen SandSaves UpDowns LongDrive StrokeAvg ";
    EXPECT_EQ(Joined(reports.Run("cmdGames18Hist_Grouping", {"D1"})->children.at(0).Columns()),
              history);
    EXPECT_EQ(Joined(reports.Run("cmdGames9Hist_Grouping", {"D1"})->children.at(0).Columns()),
              history);
    // The datasheets take every column of their row.
    for (const char* column : {"GameID", "Score18", "Partner3", "PercentFWaysHit", "AddDate"}) {
        EXPECT_TRUE(Row("cmdGameStats", {"Ann Lee", "G2"}).HasColumn(column)) << column;
    }
    for (const char* command : {"cmdClubStats", "cmdScoreCard"}) {
        auto club = Row(command, {"C2"});
        EXPECT_EQ(club.Field("ClubName").ToText(), "Augusta National");
        EXPECT_EQ(club.Field("HCap18").ToInt(), 18);
        EXPECT_DOUBLE_EQ(club.Field("Rating").ToDouble(), 70.4);
    }
}

TEST_F(DataReportTest, GameDatasheetNeedsBothTheNameCopyAndTheIdentifier) {
    auto game = Row("cmdGameStats", {"Ann Lee", "G2"});
    EXPECT_EQ(game.Field("Club").ToText(), "Augusta National");
    EXPECT_EQ(game.Field("NetScore").ToInt(), 67);
    EXPECT_TRUE(reports.Run("cmdGameStats", {"Bob Ray", "G2"})->rows.IsEmpty());
    // The name copy in the game differs from the name the screen passes.
    folder.Exec("UPDATE tblGames SET FullName = 'Ann Lee-Smith' WHERE GameID = 'G2'");
    EXPECT_TRUE(reports.Run("cmdGameStats", {"Ann Lee", "G2"})->rows.IsEmpty());
    // A value that looks like SQL is only ever a value.
    EXPECT_TRUE(reports.Run("cmdGameStats", {"x' OR '1'='1", "G1' OR '1'='1"})->rows.IsEmpty());
}

TEST_F(DataReportTest, AveragesAreRealDivisionsAndZeroWithoutGamesOfThatLength) {
    auto eighteen = Row("cmdStats18", {"D1"});
    const double putts18 = Golfer("TotalPutts18") / (2 * 18);
    EXPECT_DOUBLE_EQ(eighteen.Field("PuttAvg18").ToDouble(), putts18);
    EXPECT_NE(putts18, std::floor(putts18)) << "the sample must not divide evenly";
    EXPECT_DOUBLE_EQ(eighteen.Field("StrokeAvg").ToDouble(), (64 + 67) / 2.0);

    auto nine = Row("cmdStats9", {"D1"});
    EXPECT_DOUBLE_EQ(nine.Field("PuttAvg9").ToDouble(), Golfer("TotalPutts9") / (2 * 9));
    EXPECT_DOUBLE_EQ(nine.Field("StrokeAvg").ToDouble(), (27 + 29) / 2.0);

    auto scoring = Row("cmd18ScoreStats", {"D1"});
    EXPECT_DOUBLE_EQ(scoring.Field("Gross18Avg").ToDouble(), (74 + 77) / 2.0);
    EXPECT_DOUBLE_EQ(scoring.Field("Net18Avg").ToDouble(), 65.5);
    EXPECT_DOUBLE_EQ(scoring.Field("PuttAvg18").ToDouble(), putts18);

    // Bob Ray has 9-hole games only: his 18-hole sheet shows zeros, not errors.
    auto none = Row("cmdStats18", {"D2"});
    EXPECT_EQ(none.Field("Games18").ToInt(), 0);
    EXPECT_TRUE(none.Field("PuttAvg18").IsReal());
    EXPECT_EQ(none.Field("PuttAvg18").ToDouble(), 0.0);
    EXPECT_EQ(none.Field("StrokeAvg").ToDouble(), 0.0);
    EXPECT_TRUE(reports.Run("cmd18ScoreStats", {"D2"})->rows.IsEmpty());
    auto bobNine = Row("cmd9ScoreStats", {"D2"});
    EXPECT_DOUBLE_EQ(bobNine.Field("Net9Avg").ToDouble(), 26.0);
    EXPECT_DOUBLE_EQ(bobNine.Field("PuttAvg9").ToDouble(), Golfer("TotalPutts9", "D2") / 9);
}

TEST_F(DataReportTest, HistoriesGroupTheGolfersGamesByNameSortedByCourse) {
    auto eighteen = reports.Run("cmdGames18Hist_Grouping", {"D1"});
    ASSERT_TRUE(eighteen->IsGrouped());
    EXPECT_EQ(Joined(eighteen->rows.Columns()), "FullName ");
    ASSERT_EQ(eighteen->rows.RecordCount(), 1u);
    EXPECT_EQ(eighteen->rows.Field("FullName").ToText(), "Ann Lee");
    const zeviza::RecordSet& games = eighteen->children.at(0);
    EXPECT_EQ(GameIds(games), (std::vector<std::string>{"G2", "G1"}));  // Augusta, then Pine
    EXPECT_DOUBLE_EQ(games.Field("StrokeAvg").ToDouble(), 67.0 / 18);

    auto nine = reports.Run("cmdGames9Hist_Grouping", {"D1"});
    EXPECT_EQ(Joined(nine->rows.Columns()), "FullName GolferID ");
    ASSERT_EQ(nine->rows.RecordCount(), 1u);
    EXPECT_EQ(nine->rows.Field("GolferID").ToText(), "D1");
    EXPECT_EQ(GameIds(nine->children.at(0)), (std::vector<std::string>{"G4", "G3"}));
    EXPECT_DOUBLE_EQ(nine->children.at(0).Field("StrokeAvg").ToDouble(), 29.0 / 9);

    // Without games of that length the history is empty, not an error.
    auto empty = reports.Run("cmdGames18Hist_Grouping", {"D2"});
    EXPECT_TRUE(empty->rows.IsEmpty());
    EXPECT_TRUE(empty->children.empty());
}

// Byte order would put "Bob" before "abc" and "Émile" after every plain letter.
TEST_F(DataReportTest, HistoriesSortTheCoursesInTheReadersOrder) {
    folder.Exec(
        "UPDATE tblGames SET Holes = 18, Club = CASE GameID WHEN 'G1' THEN 'Émile' "
        "WHEN 'G2' THEN 'abc' ELSE 'Bob' END WHERE GameID IN ('G1', 'G2', 'G3')");
    auto eighteen = reports.Run("cmdGames18Hist_Grouping", {"D1"});
    ASSERT_EQ(eighteen->children.size(), 1u);
    EXPECT_EQ(GameIds(eighteen->children.at(0)), (std::vector<std::string>{"G2", "G3", "G1"}));
}

TEST_F(DataReportTest, ADifferingNameCopyMakesAParentRowOfItsOwn) {
    folder.Exec("UPDATE tblGames SET FullName = 'Ann Lee-Smith' WHERE GameID = 'G1'");
    auto eighteen = reports.Run("cmdGames18Hist_Grouping", {"D1"});
    ASSERT_EQ(eighteen->rows.RecordCount(), 2u);
    ASSERT_EQ(eighteen->children.size(), 2u);
    zeviza::RecordSet parents = eighteen->rows;
    EXPECT_EQ(parents.Field("FullName").ToText(), "Ann Lee");
    EXPECT_EQ(GameIds(eighteen->children[0]), std::vector<std::string>{"G2"});
    parents.MoveNext();
    EXPECT_EQ(parents.Field("FullName").ToText(), "Ann Lee-Smith");
    EXPECT_EQ(GameIds(eighteen->children[1]), std::vector<std::string>{"G1"});
}

// A group's rows stay together in the statement's order even when another
// group's rows came between them.
TEST(GroupRowsTest, AGroupSeenAgainGathersItsRowsUnderItsFirstParent) {
    using zeviza::Value;
    std::vector<std::vector<Value>> rows;
    for (const char* game : {"G1", "G2", "G3", "G4"}) {
        rows.push_back({Value(std::string(game) == "G2" ? "Bob" : "Ann"), Value(game)});
    }
    const parlow::reports::ReportData grouped =
        parlow::reports::GroupRows(zeviza::RecordSet({"FullName", "GameID"}, rows), {"fullname"});
    ASSERT_EQ(grouped.children.size(), 2u);
    EXPECT_EQ(grouped.rows.Field("fullname").ToText(), "Ann");
    EXPECT_EQ(GameIds(grouped.children[0]), (std::vector<std::string>{"G1", "G3", "G4"}));
    EXPECT_EQ(GameIds(grouped.children[1]), std::vector<std::string>{"G2"});
    EXPECT_EQ(Joined(grouped.children[1].Columns()), "FullName GameID ");
}

TEST_F(DataReportTest, ARunClosesTheCommandsLastResultAndReleaseClosesThemAll) {
    EXPECT_FALSE(reports.IsConnected());
    EXPECT_EQ(reports.Result("cmdClubStats"), nullptr);
    auto first = reports.Run("cmdClubStats", {"C1"});
    EXPECT_TRUE(reports.IsConnected());
    auto history = reports.Run("cmdGames9Hist_Grouping", {"D1"});
    auto second = reports.Run("cmdClubStats", {"C2"});
    EXPECT_FALSE(first->rows.IsOpen());
    EXPECT_TRUE(second->rows.IsOpen());
    EXPECT_EQ(reports.Result("cmdClubStats"), second);
    EXPECT_EQ(second->rows.Field("ClubName").ToText(), "Augusta National");
    EXPECT_TRUE(reports.IsOpen("cmdGames9Hist_Grouping"));

    reports.Release();
    EXPECT_FALSE(reports.IsConnected());
    EXPECT_FALSE(second->rows.IsOpen());
    EXPECT_FALSE(history->rows.IsOpen());
    EXPECT_FALSE(history->children.at(0).IsOpen());
    // The next command opens the connection again.
    EXPECT_EQ(reports.Run("cmdScoreCard", {"C3"})->rows.RecordCount(), 1u);
}

TEST_F(DataReportTest, BadCallsFailWithoutTouchingTheDatabase) {
    EXPECT_THROW(reports.Run("cmdNoSuch", {"D1"}), zeviza::Error);
    EXPECT_THROW(reports.Run("cmdGameStats", {"G1"}), zeviza::Error);
    EXPECT_THROW(reports.Run("cmdStats18", {"D1", "D2"}), zeviza::Error);
    EXPECT_FALSE(reports.IsOpen("cmdStats18"));

    EXPECT_TRUE(reports.RecordExists("cmdStats18", {"D2"}));
    EXPECT_TRUE(reports.RecordExists("cmdGames18Hist_Grouping", {"D3"}));
    EXPECT_FALSE(reports.RecordExists("cmdStats18", {"D9"}));
    EXPECT_TRUE(reports.RecordExists("cmdScoreCard", {"C3"}));
    EXPECT_FALSE(reports.RecordExists("cmdClubStats", {"C9"}));
    EXPECT_TRUE(reports.RecordExists("cmdGameStats", {"Bob Ray", "G5"}));
    EXPECT_FALSE(reports.RecordExists("cmdGameStats", {"Ann Lee", "G5"}));

    // A missing database is never created by a report.
    reports.Release();
    std::filesystem::remove(folder.Database());
    EXPECT_THROW(reports.Run("cmdClubStats", {"C1"}), zeviza::Error);
    EXPECT_FALSE(std::filesystem::exists(folder.Database()));
}

}  // namespace
