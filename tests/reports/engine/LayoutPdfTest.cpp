// The nine layouts printed for known records: what the PDF says, page size
// and orientation, and nothing printed wider than its place on the form.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>

#include "reports/Reports.h"
#include "reports/engine/PagedOutput.h"
#include "reports/engine/Report.h"
#include "reports/layouts/LayoutCatalog.h"
#include "tests/reports/engine/PdfText.h"
#include "tests/reports/engine/SampleReports.h"

namespace {

using namespace parlow::reports;
using report_samples::LineWith;
using report_samples::PdfPageSize;
using report_samples::PdfText;

constexpr const char* kLandscape = "792 x 612";
constexpr const char* kPortrait = "612 x 792";

struct PrintedLine {
    const char* caption;  // a caption on the line
    const char* value;    // what the line holds after it
};

struct LayoutCase {
    const char* layout;
    const char* pageSize;
    std::vector<const char*> texts;
    std::vector<PrintedLine> lines;
    std::vector<const char*> absent;
};

std::vector<LayoutCase> Cases() {
    return {
        {"rptGameStats",
         kLandscape,
         {"Individual Game Stats", "The Parlow's Log v3.1.0", "www.parlowslog.com", "Hole Stats",
          "Putting", "Approach Shots", "Tee Shots", "Other", "Notes:", "Zoë Fairbanks"},
         {{"Golfer:", "Margaret O'Brien-Núñez Game ID: G12"},
          {"Game Date:", "Friday, May 3, 2024"},
          {"USGA Handicap:", "USGA Handicap: 13"},
          {"Score:", "Score: 84 Course Par: 72 Tees: White Golfer Type: Adult Female"},
          {"Putting Average", "Putting Average 1.83"},
          {"Percent Greens Hit", "Percent Greens Hit 44.44"},
          {"Stroke Avg", "Stroke Avg 4.67"}},
         {"5/3/2024"}},
        {"rptClubData",
         kLandscape,
         {"Individual Club Profile", "The Parlow's Log v3.1.0", "Front 9", "Back 9", "Course",
          "Notes", "H Cap", "Saint-Jérôme"},
         {{"Club/Course:", "Club/Course: Cedar Ridge Golf Club Club ID: C3"},
          {"USGA Slope", "USGA Slope 113"},
          {"USGARating", "USGARating 72.0"},
          {"Length", "Length 6512"},
          {"Club Ass't Pro", "Club Ass't Pro Anna Kowalski"}},
         {}},
        {"rptScoreCard",
         kPortrait,
         {"The Parlow's Log Score Card & Datasheet", "The Parlow's Log v3.1", "Gross", "Net",
          "Playing Partners", "Misc Stats", "Putts L/R/S/L", "Greens L/R/S/L", "FWays L/R",
          "Check above boxes when applicable", "L/R/S/L = Left/Right/Short/Long", "Signed",
          "www.parlowslog.com"},
         {{"Slope", "Slope 113"}, {"Rating", "Rating 72.0"}, {"Par 5 Holes", "Par 5 Holes 4"}},
         {"v3.1.0", "The Parlow's Log Score Sheet"}},
        {"rptGames18Hist",
         kLandscape,
         {"Golfer's 18 Hole Game Datasheet", "Margaret O'Brien-Núñez", "Course Played", "Sand Svs",
          "5/3/2024", "7/21/2024"},
         {{"Total Games:", "Total Games: 3"},
          {"Stroke Average:", "Stroke Average: 88.00"},
          {"5/3/2024",
           "Cedar Ridge Golf Club White 5/3/2024 72 88 44 36 44 36 4.89 44.44 64.29 "
           "1.83 3 1"}},
         {"Friday"}},
        {"rptGames9Hist",
         kLandscape,
         {"Golfer's 9 Hole Game Datasheet", "The Parlow's Log v3.1.0", "Par In"},
         {{"Total Games:", "Total Games: 3"},
          {"Stroke Average:", "Stroke Average: 43.67"},
          {"5/10/2024", "Cedar Ridge Golf Club White 5/10/2024 36 44 44 36 0 0 4.89"}},
         {"Course Played"}},
        {"rptGolfer18Stats",
         kPortrait,
         {"Golfer's Stats", "The Parlow's Log v3.1", "18 Hole Games", "* Hole Stats",
          "* Approach Shots", "* 9 & 18 hole games", "9 and 18 Hole Games"},
         {{"USGA Handicap:", "USGA Handicap: 13"},
          {"Total Net Strokes:", "Total Net Strokes: 1,234"},
          {"Stroke Average:", "Stroke Average: 88.14"},
          {"18 Hole Average", "18 Hole Average 1.83"},
          {"Par 3 Average:", "Par 3 Average: 3.62"}},
         {"v3.1.0"}},
        {"rptGolfer9Stats",
         kPortrait,
         {"Golfer's Stats", "9 Hole Games"},
         {{"USGA Handicap:", "USGA Handicap: 12.6"},
          {"Total Net Strokes:", "Total Net Strokes: 1,234"},
          {"9 Hole Average", "9 Hole Average 1.83333333333333"}},
         {}},
        {"rptScore18Stats",
         kPortrait,
         {"Scoring Stats", "Putting Stats - 18 Hole Games", "Margaret O'Brien-Núñez"},
         {{"Handicap:", "Handicap: 13"},
          {"Age:", "Age: 47"},
          {"Total Net Strokes:", "18 Hole Games - Total Net Strokes: 1234"},
          {"Net Stroke Avg:", "18 Hole Games - Net Stroke Avg: 4.90"},
          {"Putting Average - 18", "Putting Average - 18 hole games: 1.83"}},
         {"1,234"}},
        {"rptScore9Stats",
         kPortrait,
         {"Scoring Stats", "Putting Stats - 9 Hole Games", "Total 9 Hole Games Played:"},
         {{"Total Net Strokes:", "9 Hole Games - Total Net Strokes: 1234"},
          {"Putting Average - 9", "Putting Average - 9 hole games: 1.83"}},
         {"1,234"}},
    };
}

class LayoutPdf : public ::testing::Test {
  protected:
    LayoutPdf() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~LayoutPdf() override { QLocale::setDefault(QLocale::system()); }
    QTemporaryDir folder;
};

TEST_F(LayoutPdf, EachLayoutPrintsItsCaptionsAndFormattedFigures) {
    for (const LayoutCase& c : Cases()) {
        SCOPED_TRACE(c.layout);
        const QString file = folder.filePath(QString(c.layout) + ".pdf");
        QString error;
        ASSERT_TRUE(RenderReportPdf(c.layout, report_samples::ForLayout(c.layout), file, &error))
            << error.toStdString();
        const QString text = PdfText(file);
        EXPECT_EQ(PdfPageSize(file), c.pageSize);
        for (const char* expected : c.texts) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
        }
        for (const PrintedLine& line : c.lines) {
            EXPECT_TRUE(LineWith(text, QString::fromUtf8(line.caption))
                            .contains(QString::fromUtf8(line.value)))
                << "line of " << line.caption << ": "
                << LineWith(text, QString::fromUtf8(line.caption)).toStdString();
        }
        for (const char* unexpected : c.absent) {
            EXPECT_FALSE(text.contains(QString::fromUtf8(unexpected))) << unexpected;
        }
    }
}

TEST_F(LayoutPdf, NothingPrintsBeyondItsPlace) {
    for (const std::string& name : LayoutNames()) {
        SCOPED_TRACE(name);
        const Report report(*MakeLayout(name), report_samples::ForLayout(name));
        const Layout& layout = report.GetLayout();
        const QRect paper(LeftMargin(layout), 0, layout.width, PageSize(layout).height());
        for (const PlacedText& text : report.PageTexts(0)) {
            EXPECT_TRUE(paper.contains(text.rect)) << text.text.toStdString();
            const QFontMetricsF metrics(MakeFont(text.font));
            EXPECT_LE(metrics.horizontalAdvance(text.text), text.rect.width())
                << '"' << text.text.toStdString() << "\" is cut";
            EXPECT_LE(metrics.height(), text.rect.height() + 40) << text.text.toStdString();
        }
        for (std::size_t band = 0; band < kBandCount; ++band) {
            for (const Item& item : layout.sections[band].items) {
                EXPECT_LE(item.rect.right(), layout.width) << item.text.toStdString();
                EXPECT_LE(std::max(item.rect.top(), item.rect.bottom()),
                          layout.sections[band].height)
                    << "band " << band << ' ' << item.text.toStdString() << item.column;
            }
        }
    }
}

TEST_F(LayoutPdf, UnknownLayoutsAndUnwritableFilesWriteNothing) {
    QString error;
    const QString file = folder.filePath("none.pdf");
    EXPECT_FALSE(RenderReportPdf("rptNothing", report_samples::GameStats(), file, &error));
    EXPECT_EQ(error, "Unknown report layout: rptNothing");
    EXPECT_FALSE(QFile::exists(file));

    const QString blocked = folder.filePath("missing-folder/sheet.pdf");
    EXPECT_FALSE(RenderReportPdf("rptGameStats", report_samples::GameStats(), blocked, &error));
    EXPECT_TRUE(error.startsWith("Cannot write")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(blocked));

    EXPECT_TRUE(IsKnownLayout("rptScore9Stats"));
    EXPECT_FALSE(IsKnownLayout("rptscore9stats"));
    EXPECT_EQ(LayoutCaption("rptGolfer9Stats"), "The Parlow's Log - 9 Hole Game Stats");
    EXPECT_EQ(LayoutCaption("rptNothing"), "");
}

TEST_F(LayoutPdf, SavedFileIsNamedAfterTheReportAndItsRecord) {
    const std::pair<const char*, const char*> names[] = {
        {"rptGameStats", "Game Stats G12.pdf"},        {"rptClubData", "Club Profile C3.pdf"},
        {"rptScoreCard", "Score Sheet C3.pdf"},        {"rptGames18Hist", "18 Hole Games D7.pdf"},
        {"rptGames9Hist", "9 Hole Games D7.pdf"},      {"rptGolfer9Stats", "9 Hole Stats D7.pdf"},
        {"rptScore18Stats", "18 Hole Scoring D7.pdf"},
    };
    for (const auto& [layout, file] : names) {
        EXPECT_EQ(
            Report(*MakeLayout(layout), report_samples::ForLayout(layout)).SuggestedFileName(),
            file);
    }
    ReportData none;
    EXPECT_EQ(Report(*MakeLayout("rptGameStats"), none).SuggestedFileName(), "Game Stats.pdf");
}

}  // namespace

namespace {

TEST_F(LayoutPdf, PrinterGetsTheChosenPagesAsThePreviewDrawsThem) {
    const Report report(*MakeLayout("rptGames18Hist"), report_samples::LongHistory(200));
    ASSERT_GE(report.PageCount(), 4);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString file = folder.filePath("printed.pdf");
    printer.setOutputFileName(file);
    printer.setFullPage(true);
    ApplyPageSettings(report.GetLayout(), printer);
    ASSERT_TRUE(PaintPages(report, printer, 1, 2));

    const QStringList pages = PdfText(file).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(PdfPageSize(file), kLandscape);
    for (int p = 0; p < 2; ++p) {
        for (const PlacedText& text : report.PageTexts(p + 1)) {
            EXPECT_TRUE(pages[p].contains(text.text)) << text.text.toStdString();
        }
    }
}

}  // namespace
