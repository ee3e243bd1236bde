// Export a log, import it into an empty one: the same rows and the same
// running statistics, whatever the texts hold.
#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"
#include "tests/support/WritesSupport.h"
#include "tests/transfer/TransferSample.h"
#include "transfer/rules/ImportPlan.h"

namespace {

using zeviza::Putt;
using Kind = zeviza::Putt::ExportKind;
using parlow::transfer::ImportKind;

parlow::transfer::ImportPlan Imported(Putt& putt, ImportKind kind, const std::string& text) {
    auto plan = parlow::transfer::PlanImport(kind, transfer_test::Parsed(text),
                                             parlow::transfer::ReadStoredRecords(putt, kind),
                                             transfer_test::kToday);
    EXPECT_TRUE(plan.Importable())
        << plan.fileProblem << " " << (plan.refusals.empty() ? "" : plan.refusals[0].message);
    EXPECT_TRUE(parlow::transfer::CarryOutImport(putt, plan));
    return plan;
}

TEST(TransferRoundTrip, ExportThenImportIntoAnEmptyLogGivesTheSameRowsAndStatistics) {
    testing_support::ProgramFolder sourceFolder;
    testing_support::ProgramFolder targetFolder;
    Putt source(sourceFolder.Path());
    transfer_test::StoreSampleLog(source);
    const std::string golfers = transfer_test::Exported(source, Kind::Golfers);
    const std::string courses = transfer_test::Exported(source, Kind::Courses);
    const std::string games = transfer_test::Exported(source, Kind::Games);

    Putt target(targetFolder.Path());
    transfer_test::StoreGolfersFrom(target, transfer_test::Parsed(golfers));
    EXPECT_EQ(Imported(target, ImportKind::Courses, courses).NewRecords(), 2u);
    EXPECT_EQ(Imported(target, ImportKind::Games, games).NewRecords(), 5u);

    for (const Kind kind : {Kind::Golfers, Kind::Courses, Kind::Games, Kind::Statistics}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(transfer_test::Exported(target, kind), transfer_test::Exported(source, kind));
    }
    for (const char* golfer : {"D2", "D4"}) {
        EXPECT_TRUE(writes_support::StatisticsMatchGames(targetFolder, golfer));
    }
    EXPECT_EQ(targetFolder.Count("SELECT COUNT(*) FROM tblGames WHERE Holes = 9"), 3);
}

TEST(TransferRoundTrip, TheExportKeepsTheStoredTextsAndWritesDatesAndNumbersPlainly) {
    testing_support::ProgramFolder folder;
    Putt putt(folder.Path());
    transfer_test::StoreSampleLog(putt);
    const csv::Table golfers = transfer_test::Parsed(transfer_test::Exported(putt, Kind::Golfers));
    ASSERT_EQ(golfers.rows.size(), 2u);
    const auto cell = [&](std::size_t row, const char* column) {
        return golfers.rows[row][*golfers.ColumnOf(column)];
    };
    EXPECT_EQ(golfers.header.front(), "GolferID");
    EXPECT_FALSE(golfers.ColumnOf("ID").has_value());
    EXPECT_FALSE(golfers.ColumnOf("Games").has_value());
    EXPECT_EQ(cell(0, "FName"), "Ann \"Birdie\"");
    EXPECT_EQ(cell(0, "Notes"), folder.Text("SELECT Notes FROM tblGolfer WHERE GolferID = 'D2'"));
    EXPECT_EQ(cell(0, "Zip"), "02134");
    EXPECT_EQ(cell(0, "HPhone"), "0049 30 1234567");
    EXPECT_EQ(cell(0, "Handicap"), "12.5");
    EXPECT_EQ(cell(1, "Handicap"), "-2.3");
    EXPECT_EQ(cell(1, "LName"), "Zoë, Jr.");

    const csv::Table games = transfer_test::Parsed(transfer_test::Exported(putt, Kind::Games));
    const std::size_t date = *games.ColumnOf("PlayDate");
    EXPECT_EQ(games.rows[0][date], "2024-05-18");
    EXPECT_EQ(games.rows[1][date], "2024-05-19 07:45:00");
    const csv::Table statistics =
        transfer_test::Parsed(transfer_test::Exported(putt, Kind::Statistics));
    EXPECT_EQ(statistics.header[0], "GolferID");
    EXPECT_EQ(statistics.header[1], "FullName");
    EXPECT_EQ(statistics.rows[0][*statistics.ColumnOf("Games")], "3");
}

}  // namespace
