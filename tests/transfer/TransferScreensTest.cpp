// Reports > Export to CSV... and Add > Import from CSV...: what the screens
// write, preview and say.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>

#include "csv/CsvWriter.h"
#include "reports/export/frmExportCsv.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/transfer/TransferSample.h"
#include "transfer/frmImportCsv.h"
#include "transfer/rules/ExportText.h"

namespace {

class TransferScreensTest : public testing_support::GuiTest {
  protected:
    void SetUp() override { transfer_test::StoreSampleLog(putt); }

    std::filesystem::path Write(const char* name, const std::string& text) const {
        const auto file = folder.Path() / name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }

    long long Games() const { return folder.Count("SELECT COUNT(*) FROM tblGames"); }

    zeviza::Putt putt{folder.Path()};
};

TEST_F(TransferScreensTest, TheExportOffersADatedNameAndWritesTheChosenKind) {
    EXPECT_EQ(parlow::transfer::ProposedFileName("games", std::chrono::year(2026) / 12 / 10),
              "Parlow games 2026-12-10.csv");
    parlow::reports::frmExportCsv screen;
    EXPECT_STREQ(screen.ChosenKind(), "games");
    screen.optKind[1]->setChecked(true);
    const auto file = folder.Path() / "courses.csv";
    ASSERT_TRUE(screen.ExportTo(QString::fromStdString(file.string())));
    EXPECT_EQ(testing_support::ReadFile(file),
              parlow::transfer::ExportCsv(putt, zeviza::Putt::ExportKind::Courses));
    EXPECT_EQ(prompts.Last().text.rfind("Exported to ", 0), 0u);

    // A golfer's handicap record, the golfer chosen beside it.
    EXPECT_FALSE(screen.cboGolfer->isEnabled());
    screen.optKind[4]->setChecked(true);
    EXPECT_TRUE(screen.cboGolfer->isEnabled());
    screen.cboGolfer->setCurrentIndex(screen.cboGolfer->findData("D4"));
    const auto record = folder.Path() / "record.csv";
    ASSERT_TRUE(screen.ExportTo(QString::fromStdString(record.string())));
    const csv::Table rounds = transfer_test::Parsed(testing_support::ReadFile(record));
    EXPECT_EQ(rounds.header.at(0), "GameID");
    EXPECT_EQ(rounds.rows.size(), 2u);

    const std::string before = testing_support::ReadFile(folder.Database());
    EXPECT_FALSE(screen.ExportTo(QString::fromStdString(folder.Database().string())));
    EXPECT_EQ(prompts.Last().text.rfind("The export was NOT saved.", 0), 0u);
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

TEST_F(TransferScreensTest, TheImportPreviewsThenStoresOnlyOnImport) {
    const auto good = Write("games.csv", transfer_test::GoodGamesFile(putt, 3));
    parlow::transfer::frmImportCsv screen;
    EXPECT_FALSE(screen.cmdImport->isEnabled());
    screen.Preview(QString::fromStdString(good.string()));
    EXPECT_TRUE(screen.lblSummary->text().contains(
        "3 rows: 3 new games, 0 already stored (left as they are), 0 refused"))
        << screen.lblSummary->text().toStdString();
    EXPECT_TRUE(screen.cmdImport->isEnabled());
    EXPECT_EQ(Games(), 5);
    ASSERT_TRUE(screen.Import());
    EXPECT_EQ(Games(), 8);
    EXPECT_EQ(prompts.Last().text, "3 Game Records Imported");
}

TEST_F(TransferScreensTest, APreviewWithRefusedRowsListsThemAndCannotImport) {
    csv::Table table = transfer_test::Parsed(transfer_test::GoodGamesFile(putt, 2));
    table.rows[1][*table.ColumnOf("GolferID")] = "D98";
    std::string text = csv::Record(table.header);
    for (const auto& row : table.rows) {
        text += csv::Record(row);
    }
    const auto bad = Write("bad.csv", text);
    parlow::transfer::frmImportCsv screen;
    screen.Preview(QString::fromStdString(bad.string()));
    EXPECT_TRUE(screen.lblSummary->text().contains("1 refused"));
    EXPECT_TRUE(screen.txtRefusals->toPlainText().startsWith("row 3, GolferID: no stored golfer"));
    EXPECT_FALSE(screen.cmdImport->isEnabled());
    EXPECT_FALSE(screen.Import());
    // Choosing the other kind forgets a preview made for this one.
    screen.Preview(
        QString::fromStdString(Write("games.csv", transfer_test::GoodGamesFile(putt, 1)).string()));
    EXPECT_TRUE(screen.cmdImport->isEnabled());
    screen.optCourses->setChecked(true);
    EXPECT_FALSE(screen.cmdImport->isEnabled());
    EXPECT_EQ(Games(), 5);
}

}  // namespace
