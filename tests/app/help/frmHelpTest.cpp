// The help text screen.
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>

#include "app/help/frmHelp.h"
#include "tests/app/help/ShippedAsset.h"
#include "tests/support/gui/GuiTest.h"

namespace {

using testing_support::GuiTest;

class frmHelpTest : public GuiTest {
  protected:
    static void PutOnClipboard(const QString& text) { QApplication::clipboard()->setText(text); }
    static QString Clipboard() { return QApplication::clipboard()->text(); }
};

TEST_F(frmHelpTest, LoadEmptiesTheClipboardAndShowsTheHelpText) {
    help_tests::InstallAsset(folder.Path(), "help/The Parlow Log Help.rtf");
    PutOnClipboard("copied elsewhere");
    parlow::frmHelp screen;
    EXPECT_EQ(screen.windowTitle(), "The Parlow's Log Help");
    EXPECT_TRUE(Clipboard().isEmpty());
    EXPECT_TRUE(screen.rtbHelp->isReadOnly());
    EXPECT_TRUE(screen.rtbHelp->toPlainText().contains("Getting started"));
    EXPECT_EQ(screen.cmdExit->text(), "e&Xit");
}

TEST_F(frmHelpTest, ExitEmptiesTheClipboardAgainAndCloses) {
    auto* screen = new parlow::frmHelp;
    screen->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<parlow::frmHelp> alive(screen);
    ShowAndActivate(screen);
    PutOnClipboard("copied from the help");
    Click(screen->cmdExit);
    EXPECT_TRUE(Clipboard().isEmpty());
    EXPECT_TRUE(alive.isNull());
}

TEST_F(frmHelpTest, ExitClosesTheSubWindowTheScreenLivesIn) {
    QMdiArea area;
    QPointer<QMdiSubWindow> sub = area.addSubWindow(new parlow::frmHelp);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    ShowAndActivate(&area);
    Click(qobject_cast<parlow::frmHelp*>(sub->widget())->cmdExit);
    EXPECT_TRUE(sub.isNull());
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

TEST_F(frmHelpTest, MissingHelpTextLeavesTheBoxEmpty) {
    parlow::frmHelp screen;
    EXPECT_EQ(screen.windowTitle(), "The Parlow's Log Help");
    EXPECT_TRUE(screen.rtbHelp->toPlainText().isEmpty());
}

}  // namespace
