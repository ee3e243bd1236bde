// Reports > Trends...: the screen through the main window's menu, the chart
// window it opens, hovering, and the charts saved as PNG and PDF.
#include "tests/reports/trends/TrendFixture.h"  // first: see there

#include <fstream>

#include <set>
#include <sstream>
#include "ui/RecordNotice.h"

namespace trend_tests {
namespace {

TEST_F(TrendScreenTest, TheScreenOffersTheGolfersALengthAndAPeriod) {
    EXPECT_EQ(screen->windowTitle(), "Trends");
    EXPECT_EQ(screen->lblHeading->text(), "Golfer's Trends");
    EXPECT_EQ(screen->lblHeading->font().family(), "Comic Sans MS");
    EXPECT_EQ(screen->lvGolfer->topLevelItemCount(), 2);
    EXPECT_EQ(screen->lvGolfer->headerItem()->text(1), "Golfer");
    EXPECT_TRUE(screen->opt18->isChecked());
    EXPECT_TRUE(screen->optLast20->isChecked());
    EXPECT_EQ(screen->optThisYear->text(), "This Year");

    Choose("D2");
    EXPECT_EQ(screen->txtField[0]->text(), "D2");
    EXPECT_EQ(screen->txtField[1]->text(), "Bob Ray");
    screen->opt9->setChecked(true);
    screen->optAll->setChecked(true);
    Click(screen->cmdClear);
    EXPECT_EQ(screen->txtField[0]->text(), "");
    EXPECT_TRUE(screen->opt18->isChecked());
    EXPECT_TRUE(screen->optLast20->isChecked());
}

TEST_F(TrendScreenTest, AGolferWrittenElsewhereJoinsTheListAndTheChoiceStays) {
    Choose("D2");
    {
        zeviza::Putt putt(folder.Path());
        ASSERT_TRUE(AddGolfer(putt, "D3", "Cy", "Oz"));
    }
    parlow::AnnounceWrite(parlow::RecordKind::Golfers, nullptr);
    EXPECT_EQ(screen->lvGolfer->topLevelItemCount(), 3);
    EXPECT_EQ(screen->txtField[1]->text(), "Bob Ray");
}

TEST_F(TrendScreenTest, ChartWithoutRoundsToShowWarnsAndOpensNothing) {
    Click(screen->cmdChart);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().text, "Select a Golfer to review");
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Warning);

    Choose("D2");
    Click(screen->cmdChart);
    EXPECT_EQ(prompts.Last().text,
              "No 18 hole Game records were found for Bob Ray in this period. ");
    Choose("D1");
    screen->opt9->setChecked(true);
    screen->optThisYear->setChecked(true);
    Click(screen->cmdChart);
    EXPECT_EQ(prompts.Last().text,
              "No 9 hole Game records were found for Ann Lee in this period. ");
    EXPECT_EQ(prompts.Shown().size(), 3u);
    EXPECT_EQ(Chart(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TrendScreenTest, TheChartsShowTheChosenRoundsAndANewChartReplacesTheLast) {
    frmTrendChart* chart = OpenAnnsChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_EQ(chart->windowTitle(), "Trends: Ann Lee, 18 Hole Games, Last 20 Rounds");
    ASSERT_EQ(chart->Charts().size(), 4u);
    const char* titles[] = {"Gross Score per Round", "Putts per Round", "Greens and Fairways Hit",
                            "Handicap Index"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(chart->Charts()[i]->chart()->title(), titles[i]);
    }
    ASSERT_EQ(Series(chart, 0, 0)->count(), 8);
    EXPECT_EQ(Series(chart, 0, 0)->at(0).y(), 74);
    EXPECT_EQ(Series(chart, 0, 1)->name(), "Average of the last 5");
    ASSERT_EQ(Series(chart, 0, 1)->count(), 4);
    EXPECT_DOUBLE_EQ(Series(chart, 0, 1)->at(0).y(), 76);  // 74 78 76 72 80
    EXPECT_EQ(Series(chart, 2, 1)->name(), "Fairways hit");
    // A first index needs three differentials: one point from the third round on.
    EXPECT_EQ(Series(chart, 3, 0)->count(), 6);

    screen->optThisYear->setChecked(true);
    Click(screen->cmdChart);
    Settle();
    EXPECT_EQ(ChartWindows(), 1);
    chart = Chart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->windowTitle(), "Trends: Ann Lee, 18 Hole Games, This Year");
    EXPECT_EQ(Series(chart, 0, 0)->count(), 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TrendScreenTest, HoveringAPointTellsItsRoundsDateCourseAndValue) {
    frmTrendChart* chart = OpenAnnsChart();
    ASSERT_NE(chart, nullptr);
    QXYSeries* gross = Series(chart, 0, 0);
    const QPointF second = gross->at(1);
    const QString date = QDate(kThisYear - 1, 2, 10).toString("M/d/yyyy");
    // Somewhat off the point, as a mouse is.
    emit gross->hovered(second + QPointF(3'600'000, 0.4), true);
    EXPECT_EQ(chart->LastHoverText(), date + "\nPine Valley\nGross 78");
    EXPECT_EQ(chart->HoverText(Series(chart, 0, 1), gross->at(5)),
              QDate(kThisYear - 1, 6, 10).toString("M/d/yyyy") +
                  "\nPine Valley\nAverage of the last 5 77.6");
    EXPECT_TRUE(chart->HoverText(Series(chart, 2, 0), second).endsWith("%"));
}

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST_F(TrendScreenTest, TheChartsSaveAsAPngThatIsNotBlankAndAsAPdf) {
    frmTrendChart* chart = OpenAnnsChart();
    ASSERT_NE(chart, nullptr);
    const auto png = folder.Path() / "Ann's trends.png";
    ASSERT_TRUE(chart->SaveTo(QString::fromStdString(png.string())));
    QImage image(QString::fromStdString(png.string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 600);
    std::set<QRgb> colours;
    int inked = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            inked += pixel != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(colours.size(), 20u);
    EXPECT_GT(inked, image.width() * image.height() / 4 / 100);  // more than 1% drawn on

    const auto pdf = folder.Path() / "trends.pdf";
    ASSERT_TRUE(chart->SaveTo(QString::fromStdString(pdf.string())));
    EXPECT_EQ(Bytes(pdf).substr(0, 5), "%PDF-");
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(TrendScreenTest, TheProgramsOwnFilesAreNeverWrittenOver) {
    frmTrendChart* chart = OpenAnnsChart();
    ASSERT_NE(chart, nullptr);
    const auto database = folder.Path() / "green" / "parlow.plg";
    const std::string before = Bytes(database);
    EXPECT_FALSE(chart->SaveTo(QString::fromStdString(database.string())));
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
    EXPECT_EQ(prompts.Last().text.rfind("The chart was NOT saved.\r\n", 0), 0u)
        << prompts.Last().text;
    EXPECT_NE(prompts.Last().text.find("program's own file"), std::string::npos);
    EXPECT_EQ(Bytes(database), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace trend_tests
