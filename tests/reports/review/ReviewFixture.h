#pragma once
// What the review screen tests share: the sample log, the main window, the
// screens opened through their menu commands, and the report windows.

// The sample's helpers name a variable `slots`: they come before Qt's macros.
#include "tests/reports/ReportSample.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>

#include "app/frmMain.h"
#include "reports/review/ReportWindows.h"
#include "reports/review/frmReview.h"
#include "tests/support/gui/GuiTest.h"

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace review_tests {

using parlow::reports::frmReview;

class ReviewTest : public testing_support::GuiTest {
  public:
    void SetUp() override {
        {
            zeviza::Putt putt(folder.Path());
            report_sample::StoreSample(putt);
        }
        OpenMain();
    }

    void OpenMain() {
        main = new parlow::frmMain;
        main->resize(1200, 800);
        main->show();
        Settle();
    }

    // The screen behind a menu command, opened as the user opens it.
    frmReview* Open(const char* command) {
        main->RunScreenCommand(command);
        Settle();
        QMdiSubWindow* window = main->Screens().Find(command);
        return window != nullptr ? qobject_cast<frmReview*>(window->widget()) : nullptr;
    }

    static QTreeWidgetItem* Row(frmReview* screen, const QString& id) {
        const auto rows = screen->lvList->findItems(id, Qt::MatchExactly, 0);
        return rows.isEmpty() ? nullptr : rows.front();
    }

    static void ClickRow(frmReview* screen, const QString& id) {
        QTreeWidgetItem* row = Row(screen, id);
        ASSERT_NE(row, nullptr) << id.toStdString();
        screen->lvList->scrollToItem(row);
        const QRect rect = screen->lvList->visualItemRect(row);
        QTest::mouseClick(screen->lvList->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 4, rect.center().y()));
        Settle();
    }

    // The report windows open in the main window, oldest first.
    std::vector<QMdiSubWindow*> Reports() const {
        std::vector<QMdiSubWindow*> reports;
        for (QMdiSubWindow* window : main->mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
            if (window->property(parlow::reports::kLayoutProperty).isValid()) {
                reports.push_back(window);
            }
        }
        return reports;
    }

    parlow::frmMain* main = nullptr;
};

}  // namespace review_tests
