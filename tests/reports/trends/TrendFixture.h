#pragma once
// What the trend screen tests and pictures share: a golfer with eight 18-hole
// rounds over this year and the last and one nine, another without games,
// and the trends screen opened through the main window's menu.
#include "tests/support/WritesSupport.h"  // before Qt's macros: its helpers name a variable `slots`

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QXYSeries>

#include "app/frmMain.h"
#include "reports/trends/frmTrendChart.h"
#include "reports/trends/frmTrends.h"
#include "tests/support/gui/GuiTest.h"

namespace trend_tests {

using parlow::reports::frmTrendChart;
using parlow::reports::frmTrends;
using namespace writes_support;

inline const Course kPine{"C1", "Pine Valley", StandardPars()};
inline const int kThisYear = QDate::currentDate().year();

class TrendScreenTest : public testing_support::GuiTest {
  public:
    void SetUp() override {
        {
            zeviza::Putt putt(folder.Path());
            ASSERT_TRUE(AddGolfer(putt, "D1", "Ann", "Lee"));
            ASSERT_TRUE(AddGolfer(putt, "D2", "Bob", "Ray"));
            ASSERT_TRUE(AddCourse(putt, kPine));
            // Six 18-hole rounds last year, two in January of this year, one
            // nine.
            const int over[] = {2, 6, 4, 0, 8, 10, 3, 5};
            for (int i = 0; i < 8; ++i) {
                Game game = MakeGame("G" + std::to_string(i + 1), "D1", "Ann Lee", kPine,
                                     ParScores(kPine, 18, over[i]));
                const int year = i < 6 ? kThisYear - 1 : kThisYear;
                const int month = i < 6 ? i + 1 : 1;
                game.playDate = QDate(year, month, i < 6 ? 10 : i - 5)
                                   .toString("yyyy-MM-dd 00:00:00")
                                   .toStdString();
                ASSERT_TRUE(game.Add(putt));
            }
            Game nine = MakeGame("G9", "D1", "Ann Lee", kPine, ParScores(kPine, 9, 1));
            ASSERT_TRUE(nine.Add(putt));
        }
        main = new parlow::frmMain;
        main->resize(1200, 800);
        main->show();
        Settle();
        main->RunScreenCommand("mnuRptTrends");
        Settle();
        QMdiSubWindow* window = main->Screens().Find("mnuRptTrends");
        screen = window != nullptr ? qobject_cast<frmTrends*>(window->widget()) : nullptr;
        ASSERT_NE(screen, nullptr);
    }

    void Choose(const QString& id) {
        const auto rows = screen->lvGolfer->findItems(id, Qt::MatchExactly, 0);
        ASSERT_FALSE(rows.isEmpty()) << id.toStdString();
        const QRect rect = screen->lvGolfer->visualItemRect(rows.front());
        QTest::mouseClick(screen->lvGolfer->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 4, rect.center().y()));
        Settle();
    }

    // The chart window open in the main window, or nullptr.
    frmTrendChart* Chart() const {
        for (QMdiSubWindow* window : main->mdiArea()->subWindowList()) {
            if (auto* chart = qobject_cast<frmTrendChart*>(window->widget())) {
                return chart;
            }
        }
        return nullptr;
    }

    int ChartWindows() const {
        int count = 0;
        for (QMdiSubWindow* window : main->mdiArea()->subWindowList()) {
            count += qobject_cast<frmTrendChart*>(window->widget()) != nullptr ? 1 : 0;
        }
        return count;
    }

    static QXYSeries* Series(frmTrendChart* chart, int view, int series) {
        return qobject_cast<QXYSeries*>(chart->Charts()[view]->chart()->series()[series]);
    }

    frmTrendChart* OpenAnnsChart() {
        Choose("D1");
        Click(screen->cmdChart);
        Settle();
        return Chart();
    }

    parlow::frmMain* main = nullptr;
    frmTrends* screen = nullptr;
};

}  // namespace trend_tests
