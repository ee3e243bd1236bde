// Child windows arranged by the Window menu or maximised, with the real
// golfer screens: fields are never crushed, titles stay readable, rows stay
// together.
#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include "golfers/GolferForm.h"
#include "golfers/NotesBox.h"
#include "golfers/frmAddGolfer.h"
#include "golfers/frmDeleteGolfer.h"
#include "tests/app/shell/ShellFixture.h"

namespace {

using shell_tests::ShellTest;

// Pairs of sibling widgets of a screen drawn over one another.
int OverlappingFields(QWidget* screen) {
    int overlaps = 0;
    const QList<QWidget*> widgets = screen->findChildren<QWidget*>();
    for (int i = 0; i < widgets.size(); ++i) {
        for (int j = i + 1; j < widgets.size(); ++j) {
            QWidget* a = widgets[i];
            QWidget* b = widgets[j];
            if (a->parentWidget() == b->parentWidget() && a->isVisible() && b->isVisible() &&
                !a->isWindow() && !b->isWindow() && a->geometry().intersects(b->geometry())) {
                ++overlaps;
            }
        }
    }
    return overlaps;
}

class ScreenArrangingTest : public ShellTest {
  protected:
    void OpenGolferScreens() {
        OpenMainWindow();
        AddGolfer();
        for (const char* command : {"mnuAddGolfer", "mnuEditGolfers", "mnuDeleteGolfer"}) {
            Choose(command);
        }
        ASSERT_EQ(OpenWindows(), 3);
    }
    QList<QMdiSubWindow*> Windows() const {
        return main->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    }
    QRect Room() const { return main->mdiArea()->viewport()->rect(); }
    static QAbstractScrollArea* Scroller(QMdiSubWindow* window) {
        return window->widget()->findChild<QAbstractScrollArea*>("screenScroller");
    }
};

TEST_F(ScreenArrangingTest, TiledScreensScrollInsteadOfCrushingTheirFields) {
    OpenGolferScreens();
    for (const char* tiling : {"mnuWindowH", "mnuWindowV"}) {
        Choose(tiling);
        for (QMdiSubWindow* window : Windows()) {
            const QString title = window->windowTitle() + " " + tiling;
            EXPECT_TRUE(Room().contains(window->geometry())) << title.toStdString();
            EXPECT_EQ(OverlappingFields(window->widget()), 0) << title.toStdString();
            QAbstractScrollArea* scroller = Scroller(window);
            ASSERT_NE(scroller, nullptr);
            // Too small for the whole screen here, so it scrolls.
            EXPECT_TRUE(scroller->verticalScrollBar()->maximum() > 0 ||
                        scroller->horizontalScrollBar()->maximum() > 0)
                << title.toStdString();
        }
    }
    // The window still is the screen's own, as every screen command expects.
    EXPECT_EQ(Windows()[0]->widget()->windowTitle(), "Add New Golfer Record");
    EXPECT_NE(qobject_cast<parlow::golfers::frmAddGolfer*>(Windows()[0]->widget()), nullptr);
}

TEST_F(ScreenArrangingTest, AScreenBroughtForwardHasTheFocusInItsFirstField) {
    OpenGolferScreens();
    const char* firstFields[] = {"QLineEdit", "QComboBox", "QTreeWidget"};
    for (int i = 0; i < 3; ++i) {
        main->mdiArea()->setActiveSubWindow(Windows()[i]);
        Settle();
        ASSERT_NE(Focused(), nullptr) << i;
        EXPECT_STREQ(Focused()->metaObject()->className(), firstFields[i]);
        EXPECT_TRUE(Windows()[i]->isAncestorOf(Focused())) << i;
    }
}

TEST_F(ScreenArrangingTest, FieldsReachedWithEnterComeIntoViewInATiledScreen) {
    OpenGolferScreens();
    Choose("mnuWindowH");
    auto* add = qobject_cast<parlow::golfers::frmAddGolfer*>(Windows()[0]->widget());
    ASSERT_NE(add, nullptr);
    Choose("mnuAddGolfer");  // to the front again, cascaded: tile once more
    Choose("mnuWindowH");
    add->form->txtBox[parlow::golfers::kFirstName]->setFocus();
    Settle();
    QWidget* viewport = Scroller(Windows()[0])->viewport();
    for (int field = 0; field < 10; ++field) {
        PressEnter(add);
        QWidget* focused = Focused();
        ASSERT_NE(focused, nullptr);
        const QRect shown(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
        EXPECT_TRUE(viewport->rect().contains(shown)) << field;
    }
}

TEST_F(ScreenArrangingTest, CascadeKeepsEveryTitleBarInSightAndEveryWindowInTheRoom) {
    OpenGolferScreens();
    Choose("mnuWindowV");
    Choose("mnuWindowCascade");
    const QList<QMdiSubWindow*> stacked = main->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (int i = 0; i < stacked.size(); ++i) {
        const QString title = stacked[i]->windowTitle();
        EXPECT_TRUE(Room().contains(stacked[i]->geometry())) << title.toStdString();
        const QRect titleBar(stacked[i]->geometry().topLeft(),
                             QSize(stacked[i]->width(), stacked[i]->widget()->y()));
        for (int above = i + 1; above < stacked.size(); ++above) {
            EXPECT_FALSE(stacked[above]->geometry().intersects(titleBar))
                << title.toStdString() << " under " << stacked[above]->windowTitle().toStdString();
        }
        EXPECT_EQ(OverlappingFields(stacked[i]->widget()), 0) << title.toStdString();
    }
    EXPECT_EQ(stacked.back(), main->mdiArea()->activeSubWindow());
}

TEST_F(ScreenArrangingTest, AMaximisedFormKeepsItsRowsTogetherWhileAListGrows) {
    main = new parlow::frmMain;
    main->resize(1600, 1200);
    main->show();
    Settle();
    AddGolfer();
    Choose("mnuAddGolfer");
    auto* add = qobject_cast<parlow::golfers::frmAddGolfer*>(Windows()[0]->widget());
    ASSERT_NE(add, nullptr);
    auto rowGap = [add] {
        return add->form->txtBox[parlow::golfers::kMiddleName]->y() -
               add->form->txtBox[parlow::golfers::kFirstName]->y();
    };
    const int gap = rowGap();
    const int buttonsBelowNotes =
        add->form->cmdSave->y() - add->form->txtNotes->geometry().bottom();
    Windows()[0]->showMaximized();
    Settle();
    EXPECT_EQ(rowGap(), gap);
    EXPECT_EQ(add->form->cmdSave->y() - add->form->txtNotes->geometry().bottom(),
              buttonsBelowNotes);

    Choose("mnuDeleteGolfer");
    auto* remove = qobject_cast<parlow::golfers::frmDeleteGolfer*>(
        main->mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(remove, nullptr);
    const int listHeight = remove->lvGolfer->height();
    main->mdiArea()->activeSubWindow()->showMaximized();
    Settle();
    EXPECT_GT(remove->lvGolfer->height(), listHeight + 100);
}

}  // namespace
