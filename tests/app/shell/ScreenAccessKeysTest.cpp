// The front screen's access keys win over the menu bar's, and the menus
// keep every key the screen does not use.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "tests/app/shell/ShellFixture.h"

namespace {

using shell_tests::ShellTest;

// A screen with a captioned field whose caption uses the Reports menu's key.
struct BuddyScreen : QWidget {
    QLineEdit* first = new QLineEdit(this);
    QLineEdit* due = new QLineEdit(this);
    BuddyScreen() {
        auto* layout = new QVBoxLayout(this);
        auto* caption = new QLabel("&Reports due", this);
        caption->setBuddy(due);
        layout->addWidget(first);
        layout->addWidget(caption);
        layout->addWidget(due);
    }
};

class ScreenAccessKeysTest : public ShellTest {
  protected:
    // Alt and the key as the keyboard sends them to the focused widget.
    void PressAlt(Qt::Key key) {
        QWidget* target = Focused() != nullptr ? Focused() : main;
        QTest::keyClick(target, key, Qt::AltModifier);
        QTest::qWait(250);  // a pressed button shows pressed for a moment
        Settle();
    }
    static QString OpenMenu() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr ? menu->objectName() : QString();
    }
    static void CloseMenus() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        Settle();
    }
};

TEST_F(ScreenAccessKeysTest, AltROnTheRemovalScreenPressesRemoveNotTheReportsMenu) {
    OpenMainWindow();
    AddGolfer();
    Choose("mnuDeleteGolfer");
    ASSERT_EQ(OpenWindows(), 1);
    PressAlt(Qt::Key_R);
    EXPECT_EQ(OpenMenu(), "");
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().text, "Select a Golfer record to remove");
    auto* remove = qobject_cast<QPushButton*>(Focused());
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->text(), "&Remove");

    PressAlt(Qt::Key_D);  // the screen has no "&D": the Delete menu opens
    EXPECT_EQ(OpenMenu(), "mnuMainDelete");
    CloseMenus();

    main->mdiArea()->activeSubWindow()->showMinimized();
    Settle();
    main->setFocus();
    PressAlt(Qt::Key_R);  // no screen in front: the menu bar has its key back
    EXPECT_EQ(OpenMenu(), "mnuMainReports");
    CloseMenus();
    EXPECT_EQ(prompts.Shown().size(), 1u);
}

TEST_F(ScreenAccessKeysTest, ACaptionsKeyPutsTheFocusInItsField) {
    OpenMainWindow();
    BuddyScreen* screen = nullptr;
    main->Screens().Open("buddies", [&] { return screen = new BuddyScreen; });
    Settle();
    ASSERT_NE(screen, nullptr);
    screen->first->setFocus();
    Settle();
    PressAlt(Qt::Key_R);
    EXPECT_EQ(OpenMenu(), "");
    EXPECT_EQ(Focused(), screen->due);
    EXPECT_EQ(screen->due->text(), "");  // the key typed nothing
}

}  // namespace
