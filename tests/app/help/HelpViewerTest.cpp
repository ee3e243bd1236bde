// The help command's window: opened at its contents, with a search page.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <fstream>

#include "app/help/HelpViewer.h"
#include "app/help/HelpWindow.h"
#include "tests/app/help/ShippedAsset.h"
#include "tests/support/gui/GuiTest.h"

namespace {

using parlow::HelpWindow;
using testing_support::GuiTest;

std::vector<HelpWindow*> OpenHelpWindows() {
    std::vector<HelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible()) {
            windows.push_back(help);
        }
    }
    return windows;
}

class HelpViewerTest : public GuiTest {
  protected:
    ~HelpViewerTest() override {
        for (HelpWindow* window : OpenHelpWindows()) {
            window->close();
        }
        Settle();
    }

    HelpWindow* OpenHelp() {
        parlow::ShowHelpContents(nullptr);
        Settle();
        const auto windows = OpenHelpWindows();
        return windows.size() == 1 ? windows.front() : nullptr;
    }

    void WriteHelpFile(const std::string& text) {
        std::filesystem::create_directories(folder.Path() / "help");
        std::ofstream(folder.Path() / "help" / "plg.hlp", std::ios::binary) << text;
    }
};

TEST_F(HelpViewerTest, OpensAtTheContentsWithTheFirstTopicShown) {
    help_tests::InstallAsset(folder.Path(), "help/plg.hlp");
    HelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "The Parlow's Log Help");
    EXPECT_EQ(help->tabs->currentIndex(), 0);
    EXPECT_EQ(help->tabs->tabText(1), "&Search");
    ASSERT_GT(help->treeContents->topLevelItemCount(), 3);
    EXPECT_EQ(help->treeContents->topLevelItem(0)->text(0), "Getting Started");
    EXPECT_TRUE(help->txtTopic->toPlainText().startsWith("Welcome to The Parlow's Log"));
}

TEST_F(HelpViewerTest, SearchListsTheTopicsHoldingTheWordsAndShowsTheChosenOne) {
    help_tests::InstallAsset(folder.Path(), "help/plg.hlp");
    HelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    help->tabs->setCurrentIndex(1);
    Type(help->txtFind, "fairways hit");
    PressEnter(help->txtFind);
    ASSERT_GT(help->lstTopics->count(), 0);
    EXPECT_EQ(help->lstTopics->item(0)->text(), "Greens and fairways hit");
    EXPECT_TRUE(help->lblFound->text().endsWith("found"));
    Click(help->cmdDisplay);
    EXPECT_TRUE(help->txtTopic->toPlainText().startsWith("Greens and fairways hit"));

    Type(help->txtFind, "xylophone");
    Click(help->cmdListTopics);
    EXPECT_EQ(help->lstTopics->count(), 0);
    EXPECT_EQ(help->lblFound->text(), "No topics found");
}

TEST_F(HelpViewerTest, LinksAndContentsLeadToTheirTopics) {
    help_tests::InstallAsset(folder.Path(), "help/plg.hlp");
    HelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    help->txtTopic->anchorClicked(QUrl("topic:2"));
    EXPECT_EQ(help->ShownTopic(), 2u);
    EXPECT_EQ(help->treeContents->currentItem()->text(0), "Moving around the screens");
    help->txtTopic->anchorClicked(QUrl("topic:99999"));
    EXPECT_EQ(help->ShownTopic(), 2u);
    QTreeWidgetItem* golfers = help->treeContents->topLevelItem(1);
    help->treeContents->setCurrentItem(golfers->child(0));
    EXPECT_TRUE(help->txtTopic->toPlainText().startsWith("Adding a golfer"));
}

TEST_F(HelpViewerTest, TheCommandAgainBringsTheOneWindowBackToItsContents) {
    help_tests::InstallAsset(folder.Path(), "help/plg.hlp");
    HelpWindow* first = OpenHelp();
    ASSERT_NE(first, nullptr);
    first->tabs->setCurrentIndex(1);
    EXPECT_EQ(OpenHelp(), first);
    EXPECT_EQ(first->tabs->currentIndex(), 0);
}

TEST_F(HelpViewerTest, EscClosesTheHelpWindowFromEitherPage) {
    help_tests::InstallAsset(folder.Path(), "help/plg.hlp");
    for (int page : {0, 1}) {
        HelpWindow* help = OpenHelp();
        ASSERT_NE(help, nullptr);
        help->tabs->setCurrentIndex(page);
        QWidget* field = page == 0 ? static_cast<QWidget*>(help->treeContents) : help->txtFind;
        field->setFocus();
        ShowAndActivate(help);
        PressKey(QApplication::focusWidget(), Qt::Key_Escape);
        Settle();
        EXPECT_TRUE(OpenHelpWindows().empty()) << page;
    }
}

TEST_F(HelpViewerTest, MissingEmptyOrGarbledHelpFileShowsNothing) {
    EXPECT_EQ(OpenHelp(), nullptr);
    WriteHelpFile("");
    EXPECT_EQ(OpenHelp(), nullptr);
    WriteHelpFile(std::string("\0\xff\xfe{\\rtf1 not help}\n= ==\n", 24));
    EXPECT_EQ(OpenHelp(), nullptr);
}

}  // namespace

namespace {

TEST_F(HelpViewerTest, OpensCentredOverTheProgramWithEveryTitleWhole) {
    help_tests::InstallAsset(folder.Path(), "help/plg.hlp");
    QWidget program;
    QRect place(0, 0, 600, 400);  // a little off the desktop's middle
    place.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center() +
                     QPoint(40, 30));
    program.setGeometry(place);
    program.show();
    parlow::ShowHelpContents(&program);
    Settle();
    const auto windows = OpenHelpWindows();
    ASSERT_EQ(windows.size(), 1u);
    HelpWindow* help = windows.front();
    // Within a title bar's height: the window frame is added around the help.
    EXPECT_LE((help->frameGeometry().center() - program.frameGeometry().center()).manhattanLength(),
              30);
    // The shipped titles all show without scrolling.
    const int room = help->treeContents->viewport()->width();
    for (QTreeWidgetItemIterator item(help->treeContents); *item != nullptr; ++item) {
        EXPECT_LE(help->treeContents->visualItemRect(*item).right(), room)
            << (*item)->text(0).toStdString();
    }
    help->close();
}

TEST_F(HelpViewerTest, ATitleWiderThanThePaneScrollsInsteadOfBeingCutShort) {
    const std::string longTitle =
        "What the statistics sheet shows for every nine and eighteen hole round you played";
    WriteHelpFile("= Book\n== Short\ntext\n== " + longTitle + "\nmore text\n");
    HelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    QTreeWidgetItem* item = help->treeContents->topLevelItem(0)->child(1);
    ASSERT_EQ(item->text(0).toStdString(), longTitle);
    EXPECT_GE(help->treeContents->visualItemRect(item).width(),
              help->treeContents->fontMetrics().horizontalAdvance(item->text(0)));
}

TEST_F(HelpViewerTest, AltSPutsTheCursorInTheSearchBoxEvenOnTheSearchPage) {
    help_tests::InstallAsset(folder.Path(), "help/plg.hlp");
    HelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    ShowAndActivate(help);
    auto altKey = [&](Qt::Key key) {
        QTest::keyClick(Focused() != nullptr ? Focused() : help, key, Qt::AltModifier);
        Settle();
    };
    altKey(Qt::Key_S);
    EXPECT_EQ(help->tabs->currentIndex(), 1);
    EXPECT_EQ(Focused(), help->txtFind);

    Type(help->txtFind, "par");
    help->txtTopic->setFocus();
    Settle();
    altKey(Qt::Key_S);
    EXPECT_EQ(Focused(), help->txtFind);
    EXPECT_EQ(help->txtFind->selectedText(), "par");  // typing replaces the old words

    altKey(Qt::Key_C);
    EXPECT_EQ(help->tabs->currentIndex(), 0);
    EXPECT_EQ(Focused(), help->treeContents);
}

}  // namespace
