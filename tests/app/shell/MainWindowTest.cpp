#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "app/windows/WindowMenu.h"
#include "tests/app/shell/ShellFixture.h"
#include "ui/ProgramState.h"

namespace {

using shell_tests::ShellTest;
using shell_tests::StandInScreen;

// The menu bar written out: "Title[name]" per menu, then its items, "-" for a line.
QString Describe(QMenuBar* bar) {
    QString text;
    for (QAction* menu : bar->actions()) {
        text += menu->text() + "[" + menu->objectName() + "]:";
        for (QAction* item : menu->menu()->actions()) {
            text += item->isSeparator() ? QString(" -")
                                        : " " + item->text() + "[" + item->objectName() + "]";
            if (!item->shortcut().isEmpty()) {
                text += "{" + item->shortcut().toString() + "}";
            }
        }
        text += "\n";
    }
    return text;
}

class MainWindowTest : public ShellTest {
  protected:
    StandInScreen* OpenStandIn(const char* name, bool refuseClose = false) {
        StandInScreen* made = nullptr;
        main->Screens().Open(name, [&] { return made = new StandInScreen(name, refuseClose); });
        Settle();
        return made;
    }
};

TEST_F(MainWindowTest, LoadingEmptiesTheClipboardCreatesThePuttAndSetsTheCaption) {
    QApplication::clipboard()->setText("left over");
    parlow::ReleasePutt();
    OpenMainWindow();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    EXPECT_NE(parlow::CurrentPutt(), nullptr);
    EXPECT_EQ(main->windowTitle(), "The Parlow's Log v3.1");
    EXPECT_FALSE(main->windowIcon().isNull());
}

TEST_F(MainWindowTest, TheMenuBarHasEveryCommandInItsPlaceWithoutShortcuts) {
    OpenMainWindow();
    EXPECT_EQ(
        Describe(main->menuBar()),
        "&Add[mnuAddMain]: Game[mnuAddGame] - Golfer[mnuAddGolfer] - Course[mnuAddCourse] - "
        "Print Score Sheets[mnuAddScoreCards] - Import from CSV...[mnuAddImportCsv] - "
        "eXit[mnuExit]\n"
        "&Edit[mnuEdit]: G&ame[mnuEditGame] - Course[mnuEditClubs] - Golfers[mnuEditGolfers]\n"
        "&Delete[mnuMainDelete]: Game[mnuDeleteGame] - Golfer[mnuDeleteGolfer] - "
        "Course[mnuDeleteClub]\n"
        "&Reports[mnuMainReports]: Course Datasheets[mnuRptClubs] - Game "
        "Datasheets[mnuRptGames] - Game History[mnuRptHistory] - Golfer "
        "Stats[mnuRptGolferStats] - Stroke Averages[mnuRptStrokeStats] - Handicap "
        "Record[mnuRptHandicap] - Trends...[mnuRptTrends] - Export to "
        "CSV...[mnuRptExportCsv]\n"
        "&Window[mnuWindows]: Cascade[mnuWindowCascade] - Tile Horizontally[mnuWindowH] - "
        "Tile Vertically[mnuWindowV] - Arrance Icons[mnuWindowIcons]\n"
        "&Golf Web Sites[mnuWebSites]: Royal and Ancient - St Andrews[mnuHelpRandA] - USGA "
        "Web Site[mnuHelpUSGA] - PGA Web Site[mnuHelpPGA] - LPGA Web Site[mnuHelpLPGA] - "
        "PGA Tour Web Site[mnuHelpPGATour] - Champions Tour Web Site[mnuHelpChampTour] - "
        "Nationwide Tour Web Site[mnuHelpNationWide]\n"
        "&Help[mnuMainHelp]: The Parlow's Log Help[mnuHelpShowHelp] - Check For "
        "Updates[mnuCheckForUpdate] - The Rules In Brief[mnuRulesInBrief] - About The "
        "Parlow's Log[mnuAboutParlow]\n");
}

TEST_F(MainWindowTest, AScreenOpensOnceAndComesToTheFrontWhenAskedForAgain) {
    OpenMainWindow();
    WireStandIns({"mnuAddGolfer", "mnuAddCourse"});
    Choose("mnuAddGolfer");
    Choose("mnuAddCourse");
    EXPECT_EQ(Front(), "mnuAddCourse");
    Choose("mnuAddGolfer");
    EXPECT_EQ(OpenWindows(), 2);
    EXPECT_EQ(Front(), "mnuAddGolfer");

    // Cascaded: the windows stand apart, each one step further down.
    const auto windows = main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    EXPECT_NE(windows[0]->pos(), windows[1]->pos());

    // A screen that closes itself opens afresh next time.
    windows[0]->widget()->close();
    Settle();
    EXPECT_EQ(OpenWindows(), 1);
    Choose("mnuAddGolfer");
    EXPECT_EQ(OpenWindows(), 2);
}

TEST_F(MainWindowTest, AMinimisedScreenAskedForAgainComesBackToNormal) {
    OpenMainWindow();
    OpenStandIn("first");
    main->Screens().Find("first")->showMinimized();
    OpenStandIn("first");
    EXPECT_FALSE(main->Screens().Find("first")->isMinimized());
    EXPECT_EQ(Front(), "first");
}

TEST_F(MainWindowTest, TheWindowMenuListsTheOpenScreensAndBringsTheChosenOneForward) {
    OpenMainWindow();
    OpenStandIn("first");
    OpenStandIn("second & more");
    auto* listing = main->Windows();
    listing->ListOpenWindows();
    const QList<QAction*> listed = listing->ListedWindows();
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0]->text(), "&1 first");
    EXPECT_EQ(listed[1]->text(), "&2 second && more");
    EXPECT_TRUE(listed[1]->isChecked());

    QMenu* windowMenu = main->findChild<QMenu*>("mnuWindows");
    const QList<QAction*> items = windowMenu->actions();
    EXPECT_EQ(items.indexOf(listed[0]),
              items.indexOf(main->findChild<QAction*>("mnuWindowIcons")) + 2);

    listed[0]->trigger();
    Settle();
    EXPECT_EQ(Front(), "first");

    main->Screens().Find("first")->close();
    Settle();
    listing->ListOpenWindows();
    ASSERT_EQ(listing->ListedWindows().size(), 1);
    EXPECT_EQ(listing->ListedWindows()[0]->text(), "&1 second && more");
}

TEST_F(MainWindowTest, TilingPutsTheWindowsAboveEachOtherOrSideBySide) {
    OpenMainWindow();
    OpenStandIn("first");
    OpenStandIn("second");
    const QRect room = main->mdiArea()->viewport()->rect();
    QMdiSubWindow* first = main->Screens().Find("first");
    QMdiSubWindow* second = main->Screens().Find("second");

    Choose("mnuWindowH");
    EXPECT_EQ(first->geometry(), QRect(0, 0, room.width(), room.height() / 2));
    EXPECT_EQ(second->geometry().top(), room.height() / 2);
    EXPECT_EQ(second->geometry().bottom(), room.bottom());

    Choose("mnuWindowV");
    EXPECT_EQ(first->geometry(), QRect(0, 0, room.width() / 2, room.height()));
    EXPECT_EQ(second->geometry().left(), room.width() / 2);
    EXPECT_EQ(second->geometry().right(), room.right());
}

TEST_F(MainWindowTest, ArrangingIconsLinesTheMinimisedWindowsUpAlongTheBottom) {
    OpenMainWindow();
    for (const char* name : {"first", "second", "third"}) {
        OpenStandIn(name);
        main->Screens().Find(name)->showMinimized();
        main->Screens().Find(name)->move(100, 50);  // dragged away by the user
    }
    Settle();
    Choose("mnuWindowIcons");
    const int bottom = main->mdiArea()->viewport()->rect().bottom();
    QRect previous;
    for (const char* name : {"first", "second", "third"}) {
        const QRect icon = main->Screens().Find(name)->geometry();
        EXPECT_EQ(icon.bottom(), bottom) << name;
        EXPECT_FALSE(icon.intersects(previous)) << name;
        previous = icon;
    }
    EXPECT_EQ(main->Screens().Find("first")->x(), 0);
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesEachScreenAndAScreenMayHoldItOpen) {
    OpenMainWindow();
    StandInScreen* willing = OpenStandIn("willing");
    StandInScreen* unwilling = OpenStandIn("unwilling", true);
    EXPECT_FALSE(main->close());
    EXPECT_EQ(willing->closeRequests, 1);
    EXPECT_EQ(unwilling->closeRequests, 1);
    EXPECT_TRUE(main->isVisible());

    unwilling->refuse = false;
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(main->isVisible());
}

}  // namespace

namespace {

TEST_F(MainWindowTest, TheGolferCommandsOpenTheGolferScreensAfterTheirChecks) {
    OpenMainWindow();
    Choose("mnuEditGolfers");
    Choose("mnuDeleteGolfer");
    EXPECT_EQ(OpenWindows(), 0);
    ASSERT_EQ(prompts.Shown().size(), 2u);

    Choose("mnuAddGolfer");
    ASSERT_EQ(OpenWindows(), 1);
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget()->windowTitle(), "Add New Golfer Record");

    folder.Exec(
        "INSERT INTO tblGolfer (GolferID, FName, LName, FullName) "
        "VALUES ('D2', 'Ann', 'Lee', 'Ann Lee');");
    Choose("mnuEditGolfers");
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget()->windowTitle(), "Edit Golfer Records");
    Choose("mnuDeleteGolfer");
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget()->windowTitle(), "Remove Golfer Records");
    EXPECT_EQ(OpenWindows(), 3);
}

}  // namespace
