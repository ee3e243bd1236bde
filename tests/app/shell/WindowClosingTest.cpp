// Windows that behave like desktop windows, through the real screens: the
// keys that close the screen in front, the question before typing is lost,
// a cascade of a dozen that stays inside the main window, the Window menu's
// names, and Tab from an edit screen's selection list.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "app/windows/WindowMenu.h"
#include "courses/CourseForm.h"
#include "courses/frmEditClub.h"
#include "golfers/GolferForm.h"
#include "golfers/frmEditGolfer.h"
#include "tests/app/shell/ShellFixture.h"

namespace {

using shell_tests::ShellTest;
using shell_tests::StandInScreen;

class WindowClosingTest : public ShellTest {
  protected:
    void SetUp() override {
        OpenMainWindow();
        AddGolfer();
        AddCourse();
    }
    QWidget* FrontScreen() const {
        QMdiSubWindow* front = main->mdiArea()->activeSubWindow();
        return front != nullptr ? front->widget() : nullptr;
    }
    void Press(QKeyCombination key) {
        QWidget* target = Focused() != nullptr ? Focused() : main;
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        Settle();
    }
    QStringList MenuEntries() const {
        main->Windows()->ListOpenWindows();
        QStringList entries;
        for (QAction* entry : main->Windows()->ListedWindows()) {
            entries << entry->text();
        }
        return entries;
    }
    // Closes the main window as its close button or Alt+F4 does.
    bool CloseMainWindow() {
        const bool closed = main->close();
        Settle();
        return closed;
    }
};

TEST_F(WindowClosingTest, CtrlF4AndEscCloseTheScreenInFront) {
    for (const QKeyCombination key :
         {QKeyCombination(Qt::CTRL, Qt::Key_F4), QKeyCombination(Qt::NoModifier, Qt::Key_Escape)}) {
        Choose("mnuAddGolfer");
        Choose("mnuAddCourse");
        ASSERT_EQ(OpenWindows(), 2);
        Press(key);
        EXPECT_EQ(OpenWindows(), 1);
        EXPECT_EQ(Front(), "mnuAddGolfer") << "the screen behind comes forward";
        Press(key);
        EXPECT_EQ(OpenWindows(), 0);
        Press(key);  // nothing left to close: the main window stays
        EXPECT_TRUE(main->isVisible());
    }
}

TEST_F(WindowClosingTest, EscInAnOpenDropDownClosesOnlyTheDropDown) {
    Choose("mnuEditGolfers");
    auto* edit = qobject_cast<parlow::golfers::frmEditGolfer*>(FrontScreen());
    ASSERT_NE(edit, nullptr);
    edit->cboGolfer->setFocus();
    edit->cboGolfer->showPopup();
    Settle();
    ASSERT_TRUE(edit->cboGolfer->view()->isVisible());
    QTest::keyClick(edit->cboGolfer->view(), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(edit->cboGolfer->view()->isVisible());
    EXPECT_EQ(OpenWindows(), 1);
    Press(QKeyCombination(Qt::NoModifier, Qt::Key_Escape));
    EXPECT_EQ(OpenWindows(), 0);
}

TEST_F(WindowClosingTest, ClosingTheProgramAsksBeforeTypedTextIsLost) {
    Choose("mnuEditGolfers");
    auto* edit = qobject_cast<parlow::golfers::frmEditGolfer*>(FrontScreen());
    ASSERT_NE(edit, nullptr);
    // A record loaded by the screen is nothing the user typed.
    ChooseEntry(edit->cboGolfer, 0);
    Choose("mnuAddGolfer");
    Type(Focused(), "  Ann ");
    prompts.Answer(zeviza::Answer::No);
    EXPECT_FALSE(CloseMainWindow());
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Shown()[0].text, "Discard what you typed?");
    EXPECT_EQ(prompts.Shown()[0].icon, zeviza::Icon::Question);
    EXPECT_EQ(prompts.Shown()[0].buttons, zeviza::Buttons::YesNo);
    EXPECT_EQ(prompts.Shown()[0].defaultButton, zeviza::Answer::No);
    EXPECT_EQ(OpenWindows(), 2) << "No keeps every screen as it was";
    EXPECT_EQ(Focused() != nullptr ? qobject_cast<QLineEdit*>(Focused())->text() : "", "  Ann ");

    prompts.Answer(zeviza::Answer::Yes);
    EXPECT_TRUE(CloseMainWindow());
    EXPECT_EQ(prompts.Shown().size(), 2u);
}

TEST_F(WindowClosingTest, NothingTypedOrTypingClearedClosesWithoutAQuestion) {
    Choose("mnuAddGolfer");
    Type(Focused(), "Ann");
    qobject_cast<QLineEdit*>(Focused())->clear();  // as Clear and a save leave it
    EXPECT_TRUE(CloseMainWindow());
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(WindowClosingTest, ADozenWindowsCascadeInsideTheMainWindow) {
    std::vector<std::string> commands;
    for (int i = 0; i < 12; ++i) {
        commands.push_back("stand-in " + std::to_string(i));
    }
    main->resize(800, 500);  // a small main window: fewer places than windows
    Settle();
    const QRect room = main->mdiArea()->viewport()->rect();
    for (const std::string& command : commands) {
        main->Screens().Open(QString::fromStdString(command), [] {
            auto* screen = new StandInScreen("Stand-in");
            screen->setMinimumSize(500, 300);
            return screen;
        });
    }
    Settle();
    ASSERT_EQ(OpenWindows(), 12);
    int atTopLeft = 0;
    for (QMdiSubWindow* window : main->mdiArea()->subWindowList()) {
        EXPECT_TRUE(room.contains(window->geometry()))
            << window->objectName().toStdString() << " at " << window->x() << "," << window->y()
            << " " << window->width() << "x" << window->height();
        atTopLeft += window->pos() == room.topLeft() ? 1 : 0;
    }
    EXPECT_GE(atTopLeft, 2) << "more than fit: the cascade starts again at the top left";
}

TEST_F(WindowClosingTest, TheWindowMenuTellsApartWindowsOfOneCaption) {
    main->WireScreen("one", [] { return new StandInScreen("Review Game Records"); });
    main->Screens().Open("one", [] { return new StandInScreen("Review Game Records"); });
    main->Screens().Open("two", [] { return new StandInScreen("Review Game Records"); });
    main->Screens().Open("other", [] { return new StandInScreen("Other"); });
    Settle();
    EXPECT_EQ(MenuEntries(), QStringList({"&1 Review Game Records (1)",
                                          "&2 Review Game Records (2)", "&3 Other"}));
    Choose("mnuRptHistory");  // without games it opens nothing; with the real screens:
    AddGame(18);
    Choose("mnuRptHistory");
    Choose("mnuRptGolferStats");
    const QStringList entries = MenuEntries();
    EXPECT_TRUE(
        entries.contains(QString("&4 Review Game Records \u2014 Golfer's Game History Reports")))
        << entries.join(" | ").toStdString();
    EXPECT_TRUE(entries.contains(QString("&5 Review Game Records \u2014 Golfer's Game Stats")))
        << entries.join(" | ").toStdString();
}

TEST_F(WindowClosingTest, TabFromAnEditScreensListGoesToItsFirstField) {
    Choose("mnuEditGolfers");
    auto* golfer = qobject_cast<parlow::golfers::frmEditGolfer*>(FrontScreen());
    ASSERT_NE(golfer, nullptr);
    golfer->cboGolfer->setFocus();
    Press(QKeyCombination(Qt::NoModifier, Qt::Key_Tab));
    EXPECT_EQ(Focused(), golfer->form->txtBox[parlow::golfers::kFirstName]);

    Choose("mnuEditClubs");
    auto* course = qobject_cast<parlow::courses::frmEditClub*>(FrontScreen());
    ASSERT_NE(course, nullptr);
    course->cboClub[0]->setFocus();
    Press(QKeyCombination(Qt::NoModifier, Qt::Key_Tab));
    EXPECT_EQ(Focused(), course->form->txtBox[0]);
}

}  // namespace
