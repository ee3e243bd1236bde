// Where the bands of a report land on its pages.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

#include "reports/engine/PagedOutput.h"
#include "reports/engine/Report.h"
#include "reports/layouts/LayoutCatalog.h"
#include "tests/reports/engine/PdfText.h"
#include "tests/reports/engine/SampleReports.h"

namespace {

using namespace parlow::reports;
using report_samples::LineWith;
using report_samples::PdfText;

Report HistoryOf(int games) {
    return Report(*MakeLayout("rptGames18Hist"), report_samples::LongHistory(games),
                  QDate(2025, 1, 31), QLocale(QLocale::English, QLocale::UnitedStates));
}

std::vector<Band> BandsOf(const Page& page) {
    std::vector<Band> bands;
    for (const PlacedBand& placed : page) {
        bands.push_back(placed.band);
    }
    return bands;
}

TEST(Pagination, ThousandGameHistoryLosesAndCutsNoLine) {
    const Report report = HistoryOf(1000);
    const Layout& layout = report.GetLayout();
    const int footerTop =
        PageSize(layout).height() - kVerticalMargin - layout[Band::PageFooter].height;
    ASSERT_GE(report.PageCount(), 20);
    ASSERT_LE(report.PageCount(), 32);

    std::vector<std::size_t> rows;
    int reportFooters = 0;
    for (int p = 0; p < report.PageCount(); ++p) {
        const Page& page = report.PageAt(p);
        const std::vector<Band> bands = BandsOf(page);
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const std::size_t headerAt = p == 0 ? 1 : 0;  // the first page opens with the report header
        ASSERT_GT(bands.size(), headerAt + 2);
        EXPECT_EQ(bands[headerAt], Band::PageHeader);
        // The group's name and headings open every page the group runs on.
        EXPECT_EQ(bands[headerAt + 1], Band::GroupHeader);
        EXPECT_EQ(bands.back(), Band::PageFooter);
        EXPECT_EQ(page.back().top, footerTop);
        for (const PlacedBand& placed : page) {
            if (placed.band == Band::Detail) {
                rows.push_back(placed.row);
                EXPECT_LE(placed.top + layout[Band::Detail].height, footerTop);
            }
            if (placed.band == Band::ReportFooter) {
                ++reportFooters;
                EXPECT_EQ(p, report.PageCount() - 1);
                EXPECT_LE(placed.top + layout[Band::ReportFooter].height, footerTop);
            }
        }
    }
    ASSERT_EQ(rows.size(), 1000u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i], i) << "detail lines out of order";
    }
    EXPECT_EQ(reportFooters, 1);
}

TEST(Pagination, PrintedHistoryCarriesHeaderFooterAndTotalsOverAllPages) {
    QTemporaryDir folder;
    const Report report = HistoryOf(1000);
    const QString file = folder.filePath("history.pdf");
    QString error;
    ASSERT_TRUE(WritePdf(report, file, &error)) << error.toStdString();
    const QStringList pages = PdfText(file).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), report.PageCount());
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains("Golfer's 18 Hole Game Datasheet"));
        EXPECT_TRUE(page.contains("The Parlow's Log v3.1.0"));
        EXPECT_TRUE(page.contains("1/31/25"));
        EXPECT_TRUE(page.contains("Course Played"));
    }
    // Net scores run 70 + (n % 30): the mean over every game of every page.
    double sum = 0;
    for (int n = 0; n < 1000; ++n) {
        sum += 70 + n % 30;
    }
    const QString all = pages.join('\n');
    EXPECT_EQ(all.count("Total Games:"), 1);
    EXPECT_EQ(LineWith(all, "Total Games:"), "Total Games: 1000");
    EXPECT_EQ(LineWith(all, "Stroke Average:"),
              "Stroke Average: " + QString::number(sum / 1000, 'f', 2));
    int dates = 0;
    for (auto it = QRegularExpression(R"(\d+/\d+/\d{4})").globalMatch(all); it.hasNext();
         it.next()) {
        ++dates;
    }
    EXPECT_EQ(dates, 1000);
}

TEST(Pagination, EmptyAndSingleRecordReportsMakeOnePage) {
    ReportData none;
    none.rows = zeviza::RecordSet({"FullName"}, {});
    const Report empty(*MakeLayout("rptGolfer18Stats"), none);
    ASSERT_EQ(empty.PageCount(), 1);
    EXPECT_EQ(BandsOf(empty.PageAt(0)), (std::vector<Band>{Band::ReportHeader, Band::PageHeader,
                                                           Band::ReportFooter, Band::PageFooter}));

    for (const std::string& name : LayoutNames()) {
        const Report one(*MakeLayout(name), report_samples::ForLayout(name));
        EXPECT_EQ(one.PageCount(), 1) << name;
    }
}

TEST(Pagination, EachRowOfAFullPageDetailGetsAPageOfItsOwn) {
    ReportData two = report_samples::ClubStats();
    zeviza::RecordSet reader = two.rows;
    std::vector<std::vector<zeviza::Value>> rows(2);
    for (std::size_t c = 0; c < reader.Columns().size(); ++c) {
        rows[0].push_back(reader.Field(c));
        rows[1].push_back(c == 1 ? zeviza::Value("C4") : reader.Field(c));
    }
    two.rows = zeviza::RecordSet(reader.Columns(), rows);
    const Report report(*MakeLayout("rptClubData"), two);
    ASSERT_EQ(report.PageCount(), 2);
    for (int p = 0; p < 2; ++p) {
        const auto texts = report.PageTexts(p);
        const bool named = std::any_of(texts.begin(), texts.end(), [&](const PlacedText& t) {
            return t.text == (p == 0 ? "C3" : "C4");
        });
        EXPECT_TRUE(named) << "page " << p + 1;
    }
}

TEST(Pagination, AggregatesInAGroupFooterReachOnlyTheirGroup) {
    Layout layout = *MakeLayout("rptGames18Hist");
    Item count;
    count.kind = ItemKind::Aggregate;
    count.rect = QRect(0, 0, 1000, 240);
    layout[Band::GroupFooter].items.push_back(count);
    layout[Band::GroupFooter].height = 240;

    ReportData data = report_samples::Games18History();
    ReportData second = report_samples::LongHistory(5);
    data.rows = zeviza::RecordSet({"FullName"}, {{zeviza::Value("A")}, {zeviza::Value("B")}});
    data.children.push_back(second.children.front());
    const Report report(layout, data);

    // Count the texts each footer prints at its left edge.
    std::map<Band, std::vector<QString>> counts;
    const auto texts = report.PageTexts(0);
    for (const PlacedBand& placed : report.PageAt(0)) {
        for (const PlacedText& text : texts) {
            if ((placed.band == Band::GroupFooter || placed.band == Band::ReportFooter) &&
                text.rect.top() == placed.top + layout[placed.band].items.front().rect.top() &&
                text.rect.left() ==
                    LeftMargin(layout) + 1450 * (placed.band == Band::ReportFooter)) {
                counts[placed.band].push_back(text.text);
            }
        }
    }
    EXPECT_EQ(counts[Band::GroupFooter], (std::vector<QString>{"3", "5"}));
    EXPECT_EQ(counts[Band::ReportFooter], (std::vector<QString>{"8"}));
}

}  // namespace
