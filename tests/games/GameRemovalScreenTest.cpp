// The game removal screen driven through its widgets, with scripted answers.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <memory>

#include "games/frmDeleteGame.h"
#include "games/rules/GameRemoval.h"
#include "tests/games/GameScreenSupport.h"
#include "ui/fields/RecordTableModel.h"

namespace game_tests {
namespace {

using namespace parlow::games;
using zeviza::Answer;
using zeviza::Icon;

class GameRemovalScreenTest : public GameScreenTest {
  protected:
    GameRemovalScreenTest() {
        StoreGame("G1", kAnn, 0, 1);
        StoreGame("G2", kZoe, 3, 2);
        StoreGame("G3", kAnn, 6, 3);
        screen = std::make_unique<frmDeleteGame>();
        ShowAndActivate(screen.get());
    }

    QStringList Keys() const {
        QStringList keys;
        for (int row = 0; row < screen->gameRows->rowCount(); ++row) {
            keys << screen->gameRows->Row(row).value(kGameIdColumn);
        }
        return keys;
    }
    int RowOf(const QString& key) const { return static_cast<int>(Keys().indexOf(key)); }

    std::unique_ptr<frmDeleteGame> screen;
};

TEST_F(GameRemovalScreenTest, ListsEveryGameInFortySevenColumnsAndSortsByHeader) {
    EXPECT_EQ(screen->windowTitle(), "Remove Game Records");
    QAbstractItemModel* model = screen->lvGame->model();
    ASSERT_EQ(model->columnCount(), 47);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Club / Course");
    EXPECT_EQ(model->headerData(46, Qt::Horizontal).toString(), "38");
    EXPECT_EQ(model->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(model->index(0, 9).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    QStringList sorted = Keys();
    sorted.sort();
    EXPECT_EQ(sorted, QStringList({"G1", "G2", "G3"}));

    emit screen->lvGame->header()->sectionClicked(kGrossColumn);  // first click: descending
    EXPECT_EQ(Keys(), QStringList({"G3", "G2", "G1"}));
    emit screen->lvGame->header()->sectionClicked(kGameIdColumn);
    EXPECT_EQ(Keys(), QStringList({"G1", "G2", "G3"}));

    Click(screen->cmdDelete);  // nothing shown yet
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(), "Select a Game record to remove");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(prompts.Last().title, "Parlow's Log");
}

// The arrow keys move the highlight but not the shown game; the removal
// takes the shown game whole, identity and figures.
TEST_F(GameRemovalScreenTest, TheShownGameIsRemovedEvenWhenTheHighlightHasMoved) {
    ClickRow(screen->lvGame, RowOf("G2"));
    EXPECT_EQ(screen->lblID->text(), "G2");
    EXPECT_EQ(screen->lblGolfer->text(), "Zoë Łukasiewicz");
    EXPECT_EQ(screen->lblHoles->text(), "18");
    emit screen->lvGame->header()->sectionClicked(kGrossColumn);
    PressKey(screen->lvGame, Qt::Key_Down);
    PressKey(screen->lvGame, Qt::Key_Up);
    PressKey(screen->lvGame, Qt::Key_Up);
    EXPECT_NE(screen->lvGame->currentIndex().row(), RowOf("G2"));

    prompts.Answer(Answer::No);
    Click(screen->cmdDelete);
    EXPECT_EQ(LastText(), "Game Record NOT Removed");
    EXPECT_EQ(screen->lblID->text(), "G2");
    EXPECT_EQ(Games(), 3);

    prompts.Answer(Answer::Yes);
    Click(screen->cmdDelete);
    EXPECT_EQ(LastText(), "Game Record Removed");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    QStringList left = Keys();
    left.sort();
    EXPECT_EQ(left, QStringList({"G1", "G3"}));
    EXPECT_EQ(screen->lblID->text(), "");
    EXPECT_EQ(screen->lblGolfer->text(), "");
    for (const std::string& golfer : {kAnn, kZoe}) {
        EXPECT_TRUE(StatisticsMatchGames(golfer));
    }
    EXPECT_EQ(Statistics(kZoe).at("Games"), 0);
    EXPECT_EQ(Statistics(kAnn).at("Games"), 2);

    screen->lvGame->setFocus();
    screen->lvGame->setCurrentIndex(screen->lvGame->model()->index(RowOf("G3"), 0));
    PressEnter(screen->lvGame);  // Enter chooses as a click does
    EXPECT_EQ(screen->lblID->text(), "G3");
    Click(screen->cmdClear);
    EXPECT_EQ(screen->lblID->text(), "");
    EXPECT_TRUE(screen->lvGame->currentIndex().isValid());
    prompts.Clear();
    Click(screen->cmdDelete);
    EXPECT_EQ(LastText(), "Select a Game record to remove");
    EXPECT_EQ(Games(), 2);
}

}  // namespace
}  // namespace game_tests
