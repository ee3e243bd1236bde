// The estimated index where the golfer sees it: the Golfer Stats and golfer
// edit screens, the Handicap Record screen and report, and the game entry
// screen's Course Handicap.
#include "tests/reports/review/ReviewFixture.h"  // first: see there

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include "games/frmAddGame.h"
#include "golfers/frmEditGolfer.h"
#include "tests/handicap/RoundSample.h"
#include "tests/handicap/StoredRounds.h"
#include "ui/HandicapSummary.h"
#include "ui/fields/RecordTableModel.h"

namespace review_tests {
namespace {

class HandicapScreensTest : public ReviewTest {
  public:
    void SetUp() override {
        // Three rounds on a 70.4 / 130 course: differentials 17.0, 18.8 and
        // 20.5, an index of 17.0 - 2.0 = 15.0.
        auto db = folder.Open();
        handicap_test::StoreGolfer(db, "D40", "Hana Index");
        handicap_test::StoreCourse(db, "C40", "Index Hills", "White", 70.4, 130);
        handicap_test::GameStore games(db);
        int day = 1;
        for (int gross : {90, 92, 94}) {
            auto round =
                handicap_test::Round18(gross, "2025-05-0" + std::to_string(day), {"C40", 704, 130});
            round.gameId = "G4" + std::to_string(day++);
            games.Store("D40", round);
        }
        ReviewTest::SetUp();
    }

    template <typename Screen>
    Screen* OpenScreen(const char* command) {
        main->RunScreenCommand(command);
        Settle();
        QMdiSubWindow* window = main->Screens().Find(command);
        return window != nullptr ? qobject_cast<Screen*>(window->widget()) : nullptr;
    }

    static QStringList Summary(const parlow::HandicapSummary* summary) {
        return {summary->lblIndex->text(), summary->lblLowIndex->text(), summary->lblCap->text()};
    }
};

TEST_F(HandicapScreensTest, GolferStatsShowsTheChosenGolfersEstimate) {
    frmReview* screen = Open("mnuRptGolferStats");
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->handicap, nullptr);
    ClickRow(screen, "D40");
    EXPECT_EQ(Summary(screen->handicap),
              (QStringList{"15.0", "none until 20 differentials", "no cap applied"}));
    EXPECT_TRUE(screen->handicap->lblNote->text().contains("not an official Handicap Index"));
    ClickRow(screen, "D3");
    EXPECT_EQ(screen->handicap->lblIndex->text(), "needs 3 more rounds");
    screen->cmdClear->click();
    EXPECT_EQ(Summary(screen->handicap), (QStringList{"", "", ""}));
    // The other golfer screens show no estimate.
    EXPECT_EQ(Open("mnuRptHistory")->handicap, nullptr);
}

TEST_F(HandicapScreensTest, HandicapRecordReportOpensOneWindowPerReportWithoutWriting) {
    const std::string before = testing_support::ReadFile(folder.Database());
    frmReview* screen = Open("mnuRptHandicap");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), "Handicap Record");
    EXPECT_EQ(screen->opt18, nullptr);
    screen->cmdReport->click();
    Settle();
    EXPECT_EQ(prompts.Last().text, "Select a Golfer to review");
    ClickRow(screen, "D40");
    screen->cmdReport->click();
    Settle();
    ClickRow(screen, "D3");
    screen->cmdReport->click();
    Settle();
    const auto reports = Reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.front()->property(parlow::reports::kLayoutProperty).toString(),
              "rptHandicapRecord");
    EXPECT_EQ(reports.front()->property(parlow::reports::kValuesProperty).toStringList(),
              QStringList{"D3"});
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

TEST_F(HandicapScreensTest, GolferEditScreenShowsTheEstimateReadOnly) {
    auto* screen = OpenScreen<parlow::golfers::frmEditGolfer>("mnuEditGolfers");
    ASSERT_NE(screen, nullptr);
    const int entry = screen->cboGolfer->findText("Hana Index");
    ASSERT_GE(entry, 0);
    screen->cboGolfer->setCurrentIndex(entry);
    emit screen->cboGolfer->activated(entry);
    Settle();
    EXPECT_EQ(screen->handicap->lblIndex->text(), "15.0");
    EXPECT_EQ(screen->handicap->findChildren<QLineEdit*>().size(), 0);
}

TEST_F(HandicapScreensTest, GameEntryShowsTheCourseHandicapOnceGolferAndCourseAreChosen) {
    auto* screen = OpenScreen<parlow::games::frmAddGame>("mnuAddGame");
    ASSERT_NE(screen, nullptr);
    auto chooseCourse = [&](const QString& clubId) {
        for (int row = 0; row < screen->clubRows->rowCount(); ++row) {
            if (screen->clubRows->Row(row).value(0) == clubId) {
                const QModelIndex index = screen->lvClub->model()->index(row, 0);
                screen->lvClub->scrollTo(index);
                const QRect rect = screen->lvClub->visualRect(index);
                QTest::mouseClick(screen->lvClub->viewport(), Qt::LeftButton, {},
                                  QPoint(rect.left() + 4, rect.center().y()));
                Settle();
            }
        }
    };
    auto chooseGolfer = [&](const QString& name) {
        QComboBox* list = screen->cboBox[parlow::games::kGolferName];
        const int entry = list->findText(name);
        ASSERT_GE(entry, 0);
        list->setCurrentIndex(entry);
        emit list->activated(entry);
        Settle();
    };
    chooseCourse("C40");
    EXPECT_EQ(screen->lblCourseHandicap->text(), "");
    chooseGolfer("Hana Index");
    // 15.0 x 130 / 113 + (70.4 - 72) = 15.66
    EXPECT_EQ(screen->lblCourseHandicap->text(), "16");
    chooseGolfer("Cy Young");
    EXPECT_EQ(screen->lblCourseHandicap->text(), "needs 3 more rounds");
    screen->cmdClear->click();
    Settle();
    EXPECT_EQ(screen->lblCourseHandicap->text(), "");
}

}  // namespace
}  // namespace review_tests
