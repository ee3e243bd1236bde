// The golfer removal screen driven through its widgets, with scripted answers.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "golfers/frmDeleteGolfer.h"
#include "tests/golfers/GolferScreenSupport.h"
#include "ui/fields/ValueLabel.h"

namespace golfer_tests {
namespace {

using namespace parlow::golfers;
using zeviza::Answer;
using zeviza::Icon;

class GolferRemovalScreenTest : public GolferScreenTest {
  protected:
    GolferRemovalScreenTest() {
        InsertGolfer("D2", "Cy", "Young");
        InsertGolfer("D4", "Al", "O'Hara");
        InsertGame("G1", "D2", "Cy Young");
        InsertGame("G2", "D4", "Al O'Hara");
        screen = std::make_unique<frmDeleteGolfer>();
        ShowAndActivate(screen.get());
    }

    QStringList Keys() const {
        QStringList keys;
        for (int i = 0; i < screen->lvGolfer->topLevelItemCount(); ++i) {
            keys << screen->lvGolfer->topLevelItem(i)->text(0);
        }
        return keys;
    }
    void ChooseRow(int row) { ClickRow(screen->lvGolfer, screen->lvGolfer->topLevelItem(row)); }

    std::unique_ptr<frmDeleteGolfer> screen;
};

TEST_F(GolferRemovalScreenTest, ListsGolfersByFullNameAndShowsTheOneClicked) {
    EXPECT_EQ(screen->windowTitle(), "Remove Golfer Records");
    QTreeWidgetItem* header = screen->lvGolfer->headerItem();
    EXPECT_EQ(header->text(0), "Golfer ID");
    EXPECT_EQ(header->text(1), "Full Name");
    EXPECT_EQ(header->text(2), "Address");
    EXPECT_EQ(header->text(3), "Home Course");
    EXPECT_EQ(Keys(), QStringList({"D4", "D2"}));

    ChooseRow(1);
    EXPECT_EQ(screen->lblGolferID->text(), "D2");
    EXPECT_EQ(screen->lblFullName->text(), "Cy Young");
    EXPECT_EQ(screen->lblAddress->text(), "1 Tee Rd");
    EXPECT_EQ(screen->lblClub->text(), "Firestone");

    emit screen->lvGolfer->header()->sectionClicked(0);  // the first click sorts descending
    EXPECT_EQ(Keys(), QStringList({"D4", "D2"}));
    emit screen->lvGolfer->header()->sectionClicked(0);
    EXPECT_EQ(Keys(), QStringList({"D2", "D4"}));

    Click(screen->cmdClear);
    for (QLabel* label :
         {screen->lblGolferID, screen->lblFullName, screen->lblAddress, screen->lblClub}) {
        EXPECT_EQ(label->text(), "");
    }
    Click(screen->cmdRemove);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(), "Select a Golfer record to remove");
    EXPECT_EQ(prompts.Last().icon, Icon::Critical);
    EXPECT_EQ(prompts.Last().title, "Parlow's Log");
}

TEST_F(GolferRemovalScreenTest, NoToTheQuestionKeepsTheGolferTheGamesAndTheChoice) {
    ChooseRow(0);
    prompts.Answer(Answer::No);
    Click(screen->cmdRemove);
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[0].title, "Are You Sure?");
    EXPECT_EQ(LastText(), "Golfer Record NOT Removed");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(screen->lblGolferID->text(), "D4");
    EXPECT_EQ(Keys().size(), 2);
    EXPECT_EQ(Golfers(), 2);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames;"), 2);
}

TEST_F(GolferRemovalScreenTest, RemovingTakesTheGamesAlongAndTheLastRemovalEmptiesTheList) {
    ChooseRow(0);
    prompts.Answer(Answer::Yes);
    Click(screen->cmdRemove);
    EXPECT_EQ(LastText(), "Golfer Record Removed");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(Keys(), QStringList({"D2"}));
    EXPECT_EQ(screen->lblGolferID->text(), "");
    EXPECT_EQ(screen->lblFullName->text(), "");
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames WHERE GolferID = 'D4';"), 0);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames WHERE GolferID = 'D2';"), 1);

    screen->lvGolfer->setFocus();
    screen->lvGolfer->setCurrentItem(screen->lvGolfer->topLevelItem(0));
    PressEnter(screen->lvGolfer);  // Enter chooses as a click does
    EXPECT_EQ(screen->lblGolferID->text(), "D2");
    prompts.Answer(Answer::Yes);
    Click(screen->cmdRemove);
    EXPECT_EQ(LastText(), "Golfer Record Removed");
    EXPECT_TRUE(Keys().isEmpty());
    EXPECT_EQ(Golfers(), 0);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames;"), 0);
}

TEST_F(GolferRemovalScreenTest, ARemovalTheLibraryCannotWriteIsReportedAsNotRemoved) {
    ChooseRow(1);
    {
        ReadOnlyDatabase readOnly(folder);
        Click(screen->cmdRemove);
    }
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[0].title, "Zeviza");
    EXPECT_EQ(LastText(), "Golfer Record NOT Removed");
    EXPECT_EQ(screen->lblGolferID->text(), "D2");
    EXPECT_EQ(Golfers(), 2);
}

// A removal list is refilled in reading order, so a header's arrow goes; a
// name longer than its label is cut short on screen yet removed whole.
TEST_F(GolferRemovalScreenTest, LongNamesShowCutShortAndTheRefilledListLosesItsArrow) {
    const std::string first(25, 'W');
    const std::string last(45, 'M');
    InsertGolfer("D6", first, last);
    InsertGolfer("D8", "Bo", "Ek");
    Click(screen->cmdClear);  // no effect on the list
    prompts.Answer(Answer::Yes);
    ChooseRow(0);
    Click(screen->cmdRemove);  // the refill reads the two new golfers
    ASSERT_EQ(Keys(), QStringList({"D8", "D2", "D6"}));

    emit screen->lvGolfer->header()->sectionClicked(1);
    EXPECT_TRUE(screen->lvGolfer->header()->isSortIndicatorShown());
    ChooseRow(0);  // descending by name: the W's first
    auto* name = qobject_cast<parlow::ValueLabel*>(screen->lblFullName);
    ASSERT_NE(name, nullptr);
    screen->resize(screen->minimumSizeHint());
    Settle();
    EXPECT_EQ(name->text(), QString::fromStdString(first + " " + last));
    EXPECT_TRUE(name->IsElided());

    prompts.Answer(Answer::Yes);
    Click(screen->cmdRemove);
    EXPECT_EQ(LastText(), "Golfer Record Removed");
    EXPECT_EQ(Keys(), QStringList({"D8", "D2"}));
    EXPECT_FALSE(screen->lvGolfer->header()->isSortIndicatorShown());
}

}  // namespace
}  // namespace golfer_tests
