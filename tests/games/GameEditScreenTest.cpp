// The game edit screen driven through its widgets, with scripted answers: a
// recorded round chosen from the list, corrected and saved in its place.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <memory>

#include "games/GameScreens.h"
#include "games/rules/GameRemoval.h"
#include "tests/games/GameScreenSupport.h"
#include "ui/fields/RecordTableModel.h"

namespace game_tests {
namespace {

using namespace parlow::games;
using zeviza::Answer;
using zeviza::Icon;

const char* const kCorrect = "Is everything correct?";
const char* const kReplace = "Replace the recorded game?";
const char* const kUpdated = "Game Record Updated\r\n\r\nWould you like to edit another Game?";

class GameEditScreenTest : public GameScreenTest {
  protected:
    GameEditScreenTest() {
        StoreGame("G1", kAnn, 2, 1);
        StoreGame("G2", kZoe, 5, 2);
        screen.reset(static_cast<frmAddGame*>(CreateEditGameScreen()));
        ShowAndActivate(screen.get());
    }

    void Choose(const QString& gameID) {
        for (int row = 0; row < screen->gameRows->rowCount(); ++row) {
            if (screen->gameRows->Row(row).value(kGameIdColumn) == gameID) {
                ClickRow(screen->lvGame, row);
                return;
            }
        }
        ADD_FAILURE() << "no game " << gameID.toStdString();
    }
    std::string Stored(const char* column) const {
        return folder.Text(std::string("SELECT ") + column + " FROM tblGames WHERE GameID = 'G1'");
    }

    std::unique_ptr<frmAddGame> screen;
};

TEST_F(GameEditScreenTest, AChosenRoundFillsTheFormAndIsCorrectedInPlace) {
    EXPECT_EQ(screen->windowTitle(), "Edit Game Records");
    EXPECT_EQ(screen->lblHeading->text(), "Edit Game Record");
    ASSERT_EQ(screen->gameRows->columnCount(), 47);
    Click(screen->cmdSave);  // nothing chosen yet
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(), "Select a Game record to edit");
    EXPECT_TRUE(HasFocus(screen->lvGame));
    prompts.Clear();

    Choose("G1");
    EXPECT_EQ(screen->lblClub->text(), "Pine Hollow");
    EXPECT_EQ(screen->cboBox[kGolferName]->currentText(), "Ann O'Hara");
    EXPECT_EQ(screen->cboBox[kGolferID]->currentText(), QString::fromStdString(kAnn));
    EXPECT_EQ(screen->txtBox[0]->text().toStdString(), Stored("Score1"));
    EXPECT_EQ(screen->txtPar[kIn]->text().toStdString(), Stored("ScoreIn"));
    EXPECT_EQ(screen->statBox[13]->text().toStdString(), Stored("LongDrive"));
    EXPECT_EQ(screen->datBox->date().toString("yyyy-MM-dd 00:00:00").toStdString(),
              Stored("PlayDate"));
    const std::string added = Stored("AddDate");
    const std::string rowID = Stored("ID");
    Type(screen->txtBox[0], "7");
    ChooseGolfer(*screen, "Zoë Łukasiewicz");
    zeviza::GameRecord expected = Expected(*screen);
    expected.gameId = "G1";
    prompts.Answer(Answer::Yes);  // everything correct
    prompts.Answer(Answer::Yes);  // replace it
    prompts.Answer(Answer::Yes);  // another game
    Click(screen->cmdSave);

    ASSERT_EQ(prompts.Shown().size(), 3u) << LastText();
    EXPECT_EQ(prompts.Shown()[0].text, kCorrect);
    EXPECT_EQ(prompts.Shown()[1].text, kReplace);
    EXPECT_EQ(prompts.Shown()[1].icon, Icon::Question);
    EXPECT_EQ(LastText(), kUpdated);
    EXPECT_EQ(prompts.Last().defaultButton, Answer::No);
    EXPECT_TRUE(StoredAs("G1", expected));
    EXPECT_EQ(Stored("Score1"), "7");
    EXPECT_EQ(Stored("GolferID"), kZoe);
    EXPECT_EQ(Stored("AddDate"), added);
    EXPECT_EQ(Stored("ID"), rowID);
    EXPECT_EQ(Games(), 2);
    EXPECT_TRUE(StatisticsMatchGames(kAnn));
    EXPECT_TRUE(StatisticsMatchGames(kZoe));
    EXPECT_EQ(Statistics(kAnn).at("Games"), 0);
    EXPECT_EQ(Statistics(kZoe).at("Games"), 2);
    // Another game: an empty form below the list as it is now stored.
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(screen->txtBox[0]->text().isEmpty());
    EXPECT_TRUE(screen->lblClub->text().isEmpty());
    EXPECT_EQ(screen->gameRows->rowCount(), 2);
    EXPECT_TRUE(HasFocus(screen->lvGame));
}

TEST_F(GameEditScreenTest, AnInvalidCorrectionIsRefusedWithTheFieldsKept) {
    Choose("G1");
    const std::string before = Stored("Score12 || ',' || GolferID || ',' || GrossScore");
    Type(screen->txtBox[11], "abc");
    Click(screen->cmdSave);

    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(), "Invalid hole score found in hole #12 ");
    EXPECT_EQ(screen->txtBox[11]->text(), "abc");
    EXPECT_TRUE(HasFocus(screen->txtBox[11]));
    EXPECT_EQ(Stored("Score12 || ',' || GolferID || ',' || GrossScore"), before);

    prompts.Clear();
    Type(screen->txtBox[11], "5");
    prompts.Answer(Answer::Yes);
    prompts.Answer(Answer::No);  // not replaced after all
    Click(screen->cmdSave);
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(LastText(), kReplace);
    EXPECT_EQ(screen->txtBox[11]->text(), "5");
    EXPECT_EQ(Stored("Score12 || ',' || GolferID || ',' || GrossScore"), before);
}

TEST_F(GameEditScreenTest, ARoundRemovedMeanwhileIsNotWrittenAndTheListCatchesUp) {
    Choose("G1");
    {
        zeviza::Putt other(folder.Path());
        prompts.Answer(Answer::Yes);
        auto removal = writes_support::RemovalOf(folder, "G1");
        ASSERT_TRUE(removal.Run(other));
    }
    prompts.Clear();
    Type(screen->txtBox[0], "6");
    prompts.Answer(Answer::Yes);
    prompts.Answer(Answer::Yes);
    Click(screen->cmdSave);

    ASSERT_EQ(prompts.Shown().size(), 3u) << LastText();
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(LastText().rfind("Record NOT Updated\r\n\r\nThis game was changed or removed", 0),
              0u);
    EXPECT_EQ(Games(), 1);
    EXPECT_EQ(screen->gameRows->rowCount(), 1);
    EXPECT_EQ(screen->txtBox[0]->text(), "6");
    EXPECT_TRUE(StatisticsMatchGames(kAnn));
    EXPECT_TRUE(StatisticsMatchGames(kZoe));
}

}  // namespace
}  // namespace game_tests
