// The lists of several open screens while records are written: the issue's
// stale game list, and every open list following what another screen wrote.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>
#include <memory>

#include "courses/CourseForm.h"
#include "courses/frmDeleteClub.h"
#include "courses/frmEditClub.h"
#include "games/frmDeleteGame.h"
#include "games/rules/GameRemoval.h"
#include "golfers/frmDeleteGolfer.h"
#include "reports/review/frmReview.h"
#include "tests/games/GameScreenSupport.h"
#include "ui/fields/RecordTableModel.h"

namespace game_tests {
namespace {

using namespace parlow::games;
using parlow::reports::frmReview;
using zeviza::Answer;

const char* const kGameChanged =
    "Game Record NOT Removed\r\n\r\nThis game was changed or removed since the list was "
    "opened.\r\nThe list now shows the games as they are stored.";

class OpenListsScreenTest : public GameScreenTest {
  protected:
    template <typename Screen>
    static std::unique_ptr<Screen> Open() {
        auto screen = std::make_unique<Screen>();
        ShowAndActivate(screen.get());
        return screen;
    }
    static std::unique_ptr<frmReview> OpenReview(const char* name) {
        std::unique_ptr<frmReview> screen(
            static_cast<frmReview*>(parlow::reports::CreateReviewScreen(name)));
        ShowAndActivate(screen.get());
        return screen;
    }

    // Each row's first column and the column asked for, "key:text".
    static QStringList Rows(const QTreeView* list, int column) {
        QStringList rows;
        const QAbstractItemModel* model = list->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, 0).data().toString() + ":" +
                        model->index(row, column).data().toString();
        }
        rows.sort();
        return rows;
    }
    static int RowOf(const QTreeView* list, const QString& key) {
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            if (list->model()->index(row, 0).data().toString() == key) {
                return row;
            }
        }
        return -1;
    }
    static QString Highlighted(const QTreeView* list) {
        return list->currentIndex().siblingAtColumn(0).data().toString();
    }
    static void Choose(QTreeView* list, const QString& key) {
        const int row = RowOf(list, key);
        ASSERT_GE(row, 0) << key.toStdString();
        ClickRow(list, row);
    }

    // Writes made where no screen sees them, as by another program.
    void RemoveGolferUnseen(std::string id) {
        zeviza::Putt putt(folder.Path());
        prompts.Answer(Answer::Yes);
        ASSERT_TRUE(putt.DeleteGolfer(id));
    }
};

// Zoë's newest round goes with her; Ann's next round is given the same
// identifier; the list still open from before offers Zoë's round.
TEST_F(OpenListsScreenTest, AStaleGameListRemovesNothingTheUserDidNotChoose) {
    StoreGame("G1", kAnn, 0, 1);
    StoreGame("G2", kZoe, 36, 2);  // gross 108
    auto screen = Open<frmDeleteGame>();
    Choose(screen->lvGame, "G2");
    EXPECT_EQ(screen->lblGolfer->text(), "Zoë Łukasiewicz");
    EXPECT_EQ(screen->lblScore->text(), "108");

    RemoveGolferUnseen(kZoe);
    StoreGame("G2", kAnn, 0, 3);  // gross 72
    prompts.Clear();
    Click(screen->cmdDelete);

    ASSERT_EQ(prompts.Shown().size(), 1u) << LastText();  // no question was asked
    EXPECT_EQ(LastText(), kGameChanged);
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Warning);
    EXPECT_EQ(prompts.Last().title, "Parlow's Log");
    EXPECT_EQ(Games(), 2);
    EXPECT_EQ(folder.Count("SELECT GrossScore FROM tblGames WHERE GameID = 'G2'"), 72);
    EXPECT_TRUE(StatisticsMatchGames(kAnn));
    EXPECT_EQ(Rows(screen->lvGame, kGolferNameColumn),
              QStringList({"G1:Ann O'Hara", "G2:Ann O'Hara"}));
    EXPECT_EQ(screen->lblID->text(), "");

    // Chosen again from the list as it now is, Ann's round goes.
    Choose(screen->lvGame, "G2");
    prompts.Answer(Answer::Yes);
    Click(screen->cmdDelete);
    EXPECT_EQ(LastText(), "Game Record Removed");
    EXPECT_EQ(Games(), 1);
    EXPECT_TRUE(StatisticsMatchGames(kAnn));
}

TEST_F(OpenListsScreenTest, AWriteOnOneScreenRefillsEveryOpenListOfThatKindKeepingTheChoice) {
    StoreGame("G1", kAnn, 0, 1);
    StoreGame("G2", kZoe, 36, 2);
    auto gameRemoval = Open<frmDeleteGame>();
    auto gameReview = OpenReview("frmGameStats");
    auto golferReview = OpenReview("frmStats");
    auto courseRemoval = Open<parlow::courses::frmDeleteClub>();
    auto entry = Open<frmAddGame>();
    Choose(gameRemoval->lvGame, "G1");
    Choose(gameReview->lvList, "G2");
    Choose(golferReview->lvList, QString::fromStdString(kZoe));
    Choose(courseRemoval->lvClub, QString::fromStdString(kPineHollow));
    ChooseCourse(*entry, kPineHollow);
    ChooseGolfer(*entry, "Ann O'Hara");
    Type(entry->txtBox[0], "5");

    // Zoë is removed with her round on the golfer removal screen.
    auto golferRemoval = Open<parlow::golfers::frmDeleteGolfer>();
    Choose(golferRemoval->lvGolfer, QString::fromStdString(kZoe));
    prompts.Answer(Answer::Yes);
    Click(golferRemoval->cmdRemove);
    EXPECT_EQ(LastText(), "Golfer Record Removed");
    EXPECT_EQ(Focused(), golferRemoval->cmdRemove);  // no other screen took the focus

    EXPECT_EQ(Rows(gameRemoval->lvGame, kGolferNameColumn), QStringList({"G1:Ann O'Hara"}));
    EXPECT_EQ(Highlighted(gameRemoval->lvGame), "G1");
    EXPECT_EQ(gameRemoval->lblID->text(), "G1");
    EXPECT_EQ(Rows(gameReview->lvList, 1), QStringList({"G1:Ann O'Hara"}));
    EXPECT_EQ(gameReview->Field("GameID")->text(), "");  // the game shown is gone
    EXPECT_EQ(Rows(golferReview->lvList, 1),
              QStringList({QString::fromStdString(kAnn) + ":Ann O'Hara"}));
    EXPECT_EQ(golferReview->Field("GolferID")->text(), "");
    EXPECT_EQ(entry->cboBox[kGolferName]->count(), 1);
    EXPECT_EQ(entry->cboBox[kGolferID]->currentText(), QString::fromStdString(kAnn));
    EXPECT_EQ(entry->cboBox[kGolferHandicap]->currentText(), "12.5");

    // The course is renamed on the course edit screen.
    auto courseEdit = Open<parlow::courses::frmEditClub>();
    const int pine = courseEdit->cboClub[1]->findText(QString::fromStdString(kPineHollow));
    courseEdit->cboClub[0]->setCurrentIndex(pine);
    Type(courseEdit->form->txtBox[0], "Pine Hollow East");
    prompts.Answer(Answer::No);  // no other course to edit
    Click(courseEdit->form->cmdSave);
    EXPECT_EQ(LastText(), "Course Record Updated\r\n\r\nDo you want to edit another Course? ");

    EXPECT_EQ(Rows(gameRemoval->lvGame, kClubColumn), QStringList({"G1:Pine Hollow East"}));
    EXPECT_EQ(gameRemoval->lblClub->text(), "Pine Hollow East");
    EXPECT_EQ(Rows(gameReview->lvList, 3), QStringList({"G1:Pine Hollow East"}));
    EXPECT_EQ(Highlighted(courseRemoval->lvClub), QString::fromStdString(kPineHollow));
    EXPECT_EQ(courseRemoval->lblClub->text(), "Pine Hollow East");
    EXPECT_EQ(entry->lblID->text(), QString::fromStdString(kPineHollow));
    EXPECT_EQ(entry->lblClub->text(), "Pine Hollow East");
    EXPECT_EQ(Highlighted(entry->lvClub), QString::fromStdString(kPineHollow));
    EXPECT_EQ(entry->txtBox[0]->text(), "5");  // what was typed stays

    // A round recorded on the entry screen appears in the game lists.
    ShowAndActivate(entry.get());  // typing goes to the window in front
    TypeRound(*entry, FullRound());
    prompts.Answer(Answer::Yes);  // everything correct
    prompts.Answer(Answer::No);   // no other game
    Click(entry->cmdSave);
    EXPECT_EQ(LastText(), "Game Record Saved\r\n\r\nWould you like to add another game?");
    EXPECT_EQ(Rows(gameRemoval->lvGame, kGolferNameColumn),
              QStringList({"G1:Ann O'Hara", "G2:Ann O'Hara"}));
    EXPECT_EQ(gameRemoval->lblID->text(), "G1");
    EXPECT_EQ(Rows(gameReview->lvList, 1), QStringList({"G1:Ann O'Hara", "G2:Ann O'Hara"}));
}

}  // namespace
}  // namespace game_tests
