// What an import refuses: every row goes through the entry screens' checks,
// and a file with any refused row imports nothing.
#include <gtest/gtest.h>

#include <map>

#include "csv/CsvWriter.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WritesSupport.h"
#include "tests/transfer/TransferSample.h"
#include "transfer/rules/ImportPlan.h"

namespace {

using parlow::transfer::ImportKind;
using parlow::transfer::ImportPlan;
using zeviza::Putt;

class ImportRefusals : public ::testing::Test {
  protected:
    void SetUp() override { transfer_test::StoreSampleLog(putt); }

    // The first stored row of the kind as a file's row, the identifier
    // taken out, with `changes` made to it.
    std::string FileWith(Putt::ExportKind kind, const std::map<std::string, std::string>& changes) {
        const csv::Table table = transfer_test::Parsed(transfer_test::Exported(putt, kind));
        std::vector<std::string> row = table.rows.at(0);
        row[*table.ColumnOf(kind == Putt::ExportKind::Games ? "GameID" : "ClubID")] = "";
        for (const auto& [column, value] : changes) {
            row[*table.ColumnOf(column)] = value;
        }
        return csv::Record(table.header) + csv::Record(row);
    }

    ImportPlan Plan(ImportKind kind, const std::string& text) {
        return parlow::transfer::PlanImport(kind, transfer_test::Parsed(text),
                                            parlow::transfer::ReadStoredRecords(putt, kind),
                                            transfer_test::kToday);
    }

    testing_support::ProgramFolder folder;
    Putt putt{folder.Path()};
};

struct RefusalCase {
    const char* name;
    std::map<std::string, std::string> changes;
    const char* column;
    const char* message;  // the start of the refusal
};

TEST_F(ImportRefusals, EachInvalidGameRowIsRefusedByColumnAndMessage) {
    const RefusalCase cases[] = {
        {"golfer not stored", {{"GolferID", "D98"}}, "GolferID", "no stored golfer"},
        {"course not stored", {{"ClubID", "C98"}}, "ClubID", "no stored course"},
        {"no such day", {{"PlayDate", "2024-02-30"}}, "PlayDate", "\"2024-02-30\" is not a date"},
        {"date as the screen shows it", {{"PlayDate", "5/18/2024"}}, "PlayDate", "\"5/18/2024\""},
        {"after today",
         {{"PlayDate", "2030-01-02"}},
         "PlayDate",
         "You can't add a game in advance"},
        {"hole score out of range",
         {{"Score5", "25"}},
         "Score5",
         "Invalid hole score found in hole #5"},
        {"hole score not a number", {{"Score2", "four"}}, "Score2", ""},
        {"nine total out of range", {{"ScoreOut", "300"}}, "ScoreOut", ""},
        {"partner score no round", {{"PartnerScore1", "7"}}, "PartnerScore1", ""},
        {"detail count not a number", {{"SandSaves", "many"}}, "SandSaves", ""},
        {"no nine played", {{"ScoreOut", "0"}, {"ScoreIn", "0"}}, "", "No valid Par scores"},
        {"partner's name too long",
         {{"Partner2", std::string(36, 'P')}},
         "Partner2",
         "at most 35 characters"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportPlan plan =
            Plan(ImportKind::Games, FileWith(Putt::ExportKind::Games, c.changes));
        ASSERT_EQ(plan.refusals.size(), 1u);
        EXPECT_EQ(plan.refusals[0].row, 2u);
        EXPECT_EQ(plan.refusals[0].column, c.column);
        EXPECT_EQ(plan.refusals[0].message.rfind(c.message, 0), 0u) << plan.refusals[0].message;
        EXPECT_EQ(plan.refusals[0].message.find('\n'), std::string::npos);
        EXPECT_FALSE(plan.Importable());
    }
}

TEST_F(ImportRefusals, EachInvalidCourseRowIsRefusedByColumnAndMessage) {
    const RefusalCase cases[] = {
        {"no club name", {{"ClubName", ""}}, "ClubName", "Missing or incomplete Club information!"},
        {"no city", {{"City", "  "}}, "City", "Missing or incomplete Club information!"},
        {"par of six", {{"Par12", "6"}}, "Par12", "Par values must be 3 or 4 or 5"},
        {"nine total wrong", {{"ParOut", "30"}}, "ParOut", ""},
        {"slope out of range",
         {{"Slope", "300"}},
         "Slope",
         "USGA Slope values range from 55 to 155"},
        {"no rating", {{"Rating", ""}}, "Rating", "Enter the USGA Rating value!"},
        {"state not listed", {{"State", "ZZ"}}, "State", "Select a valid State or Province!"},
        {"length not a number",
         {{"Yards", "long"}},
         "Yards",
         "The Length field must be a valid number."},
        {"tees not offered", {{"Tees", "Green"}}, "Tees", "Please select the tees"},
        {"club name too long", {{"ClubName", std::string(36, 'N')}}, "ClubName", "at most 35"},
        {"postal code too long", {{"Zip", "02134-12345"}}, "Zip", "at most 10 characters"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportPlan plan =
            Plan(ImportKind::Courses, FileWith(Putt::ExportKind::Courses, c.changes));
        ASSERT_EQ(plan.refusals.size(), 1u);
        EXPECT_EQ(plan.refusals[0].column, c.column);
        EXPECT_EQ(plan.refusals[0].message.rfind(c.message, 0), 0u) << plan.refusals[0].message;
    }
}

TEST_F(ImportRefusals, OneBadRowAmongAThousandImportsNothing) {
    const std::string good = transfer_test::GoodGamesFile(putt, 1000);
    csv::Table table = transfer_test::Parsed(good);
    table.rows[637][*table.ColumnOf("Score7")] = "0";
    std::string text = csv::Record(table.header);
    for (const auto& row : table.rows) {
        text += csv::Record(row);
    }
    const std::string before = testing_support::ReadFile(folder.Database());
    ImportPlan plan = Plan(ImportKind::Games, text);
    EXPECT_EQ(plan.rows, 1000u);
    ASSERT_EQ(plan.refusals.size(), 1u);
    EXPECT_EQ(plan.refusals[0].row, 639u);
    EXPECT_EQ(plan.refusals[0].column, "Score7");
    EXPECT_FALSE(parlow::transfer::CarryOutImport(putt, plan));
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);

    ImportPlan whole = Plan(ImportKind::Games, good);
    ASSERT_TRUE(whole.Importable());
    ASSERT_TRUE(parlow::transfer::CarryOutImport(putt, whole));
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), 1005);
    // New identifiers follow the largest row number, as the entry screen's.
    EXPECT_EQ(whole.games.front().gameId, "G6");
    EXPECT_EQ(whole.games.back().gameId, "G1005");
    EXPECT_TRUE(writes_support::StatisticsMatchGames(folder, "D2"));
}

TEST_F(ImportRefusals, StoredIdentifiersAreLeftAloneAndRepeatsRefused) {
    const csv::Table games =
        transfer_test::Parsed(transfer_test::Exported(putt, Putt::ExportKind::Games));
    std::string text = csv::Record(games.header) + csv::Record(games.rows[0]);
    std::vector<std::string> fresh = games.rows[1];
    fresh[*games.ColumnOf("GameID")] = "G77";
    text += csv::Record(fresh) + csv::Record(fresh);
    const ImportPlan plan = Plan(ImportKind::Games, text);
    EXPECT_EQ(plan.rows, 3u);
    EXPECT_EQ(plan.alreadyStored, 1u);
    EXPECT_EQ(plan.NewRecords(), 1u);
    ASSERT_EQ(plan.refusals.size(), 1u);
    EXPECT_EQ(plan.refusals[0].row, 4u);
    EXPECT_EQ(plan.refusals[0].message, "G77 is in the file already, on row 3");
}

TEST_F(ImportRefusals, AFileWithoutARequiredColumnIsRefusedWhole) {
    const ImportPlan plan =
        Plan(ImportKind::Games, "GolferID,ClubID,PlayDate\r\nD2,C2,2024-01-01\r\n");
    EXPECT_EQ(plan.fileProblem, "the file has no column ScoreOut");
    EXPECT_FALSE(plan.Importable());
}

TEST_F(ImportRefusals, TheListNamesTheFirstTwentyThenCountsTheRest) {
    ImportPlan plan;
    for (std::size_t row = 2; row < 27; ++row) {
        plan.refusals.push_back({row, "Score1", "bad"});
    }
    const auto lines = parlow::transfer::RefusalLines(plan);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "row 2, Score1: bad");
    EXPECT_EQ(lines[20], "... and 5 more rows refused");
}

}  // namespace
