// The golfer edit screen driven through its widgets, with scripted answers.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "golfers/NotesBox.h"
#include "golfers/frmEditGolfer.h"
#include "tests/golfers/GolferScreenSupport.h"

namespace golfer_tests {
namespace {

using namespace parlow::golfers;
using zeviza::Answer;
using zeviza::Icon;

class GolferEditScreenTest : public GolferScreenTest {
  protected:
    GolferEditScreenTest() {
        InsertGolfer("D2", "Ann", "Lee",
                     "UPDATE tblGolfer SET MName = 'Q', Sex = 'Female', Category = 'Adult "
                     "Female', Handicap = 12.5, ClubState = 'ON', Notes = 'Likes ''links''' "
                     "WHERE GolferID = 'D2';");
        InsertGolfer("D4", "Bob", "Adams");
        screen = std::make_unique<frmEditGolfer>();
        form = screen->form;
        ShowAndActivate(screen.get());
    }

    void Choose(const QString& fullName) {
        ChooseEntry(screen->cboGolfer, screen->cboGolfer->findText(fullName));
        Settle();
    }
    void SaveAndAnswer(Answer answer) {
        prompts.Answer(answer);
        Click(form->cmdSave);
    }

    std::unique_ptr<frmEditGolfer> screen;
    GolferForm* form = nullptr;
};

TEST_F(GolferEditScreenTest, ChoosingAGolferFromTheListShowsEveryField) {
    EXPECT_EQ(screen->windowTitle(), "Edit Golfer Records");
    ASSERT_EQ(screen->cboGolfer->count(), 2);
    EXPECT_EQ(screen->cboGolfer->itemText(0), "Ann Lee");  // by full name
    EXPECT_EQ(screen->cboGolfer->itemText(1), "Bob Adams");
    EXPECT_EQ(screen->cboGolfer->currentText(), "");

    Choose("Ann Lee");
    EXPECT_EQ(screen->cboGolferID->currentText(), "D2");
    EXPECT_EQ(form->txtBox[kFirstName]->text(), "Ann");
    EXPECT_EQ(form->txtBox[kMiddleName]->text(), "Q");
    EXPECT_EQ(form->txtBox[kCity]->text(), "Akron");
    EXPECT_EQ(form->txtBox[kAge]->text(), "40");
    EXPECT_EQ(form->txtBox[kHandicap]->text(), "12.5");
    EXPECT_EQ(form->txtBox[kClub]->text(), "Firestone");
    EXPECT_EQ(form->cboBox[kGolferState]->currentText(), "OH");  // the bare code
    EXPECT_EQ(form->cboBox[kClubState]->currentText(), "ON");
    EXPECT_EQ(form->txtNotes->toPlainText(), "Likes 'links'");
    EXPECT_TRUE(form->optSex[kFemale]->isChecked());

    Choose("Bob Adams");
    EXPECT_EQ(form->txtBox[kMiddleName]->text(), "");
    EXPECT_EQ(form->cboBox[kClubState]->currentText(), "");
    EXPECT_TRUE(form->optSex[kMale]->isChecked());
}

TEST_F(GolferEditScreenTest, ChoosingTheShownGolferAgainThrowsAwayWhatWasTyped) {
    Choose("Ann Lee");
    Type(form->txtBox[kFirstName], "Zed");
    Type(form->cboBox[kGolferState], "ZZ");
    form->optSex[kMale]->setChecked(true);
    Choose("Ann Lee");
    EXPECT_EQ(form->txtBox[kFirstName]->text(), "Ann");
    EXPECT_EQ(form->cboBox[kGolferState]->currentText(), "OH");
    EXPECT_TRUE(form->optSex[kFemale]->isChecked());
    EXPECT_EQ(Stored("FName", "D2"), "Ann");
}

TEST_F(GolferEditScreenTest, StoredValuesShowFromTheirStart) {
    folder.Exec(
        "UPDATE tblGolfer SET Address = '1234 Long Winding Fairway Boulevard' "
        "WHERE GolferID = 'D2';");
    Choose("Ann Lee");
    EXPECT_EQ(form->txtBox[kAddress]->text(), "1234 Long Winding Fairway Boulevard");
    for (int box : {kFirstName, kAddress, kClub}) {
        EXPECT_EQ(form->txtBox[box]->cursorPosition(), 0) << box;
    }
    EXPECT_EQ(form->cboBox[kGolferState]->lineEdit()->cursorPosition(), 0);
}

TEST_F(GolferEditScreenTest, SavingWithoutAChosenGolferStopsBeforeAnythingElse) {
    Type(form->txtBox[kFirstName], " Ann ");
    Click(form->cmdSave);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(), "Select a Golfer to edit. ");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_TRUE(HasFocus(screen->cboGolfer));
    EXPECT_EQ(form->txtBox[kFirstName]->text(), " Ann ");  // not even trimmed
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer WHERE ModDate IS NOT NULL;"), 0);
}

TEST_F(GolferEditScreenTest, TheEditScreensIncompleteMessageEndsWithItsOwnMark) {
    Choose("Bob Adams");
    Type(form->txtBox[kAddress], "   ");
    Click(form->cmdSave);
    EXPECT_EQ(LastText(), "Missing or incomplete information! ");
    EXPECT_TRUE(HasFocus(form->txtBox[kAddress]));
    EXPECT_EQ(Stored("Address", "D4"), "1 Tee Rd");
}

TEST_F(GolferEditScreenTest, ARenameReachesEveryGameOfThatGolferOnly) {
    InsertGame("G1", "D2", "Ann Q Lee");
    InsertGame("G2", "D2", "Ann Q Lee");
    InsertGame("G3", "D4", "Bob Adams");
    Choose("Ann Lee");
    Type(form->txtBox[kMiddleName], "");
    Type(form->txtBox[kLastName], "O'Neil-Łukasz");
    Type(form->txtBox[kAge], "17");
    Type(form->txtBox[kHandicap], "9.5");
    Type(form->cboBox[kGolferState], "Q'");  // a typed state goes in as it is
    SaveAndAnswer(Answer::Yes);

    EXPECT_EQ(LastText(), "Golfer Record Updated\r\n\r\nWould you like to update another Golfer?");
    EXPECT_EQ(prompts.Last().defaultButton, Answer::No);
    EXPECT_EQ(Stored("FullName", "D2"), "Ann O'Neil-Łukasz");
    EXPECT_EQ(Stored("Category", "D2"), "Junior Female");
    EXPECT_EQ(Stored("State", "D2"), "Q'");
    EXPECT_EQ(Stored("Notes", "D2"), "Likes 'links'");
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames WHERE GolferID = 'D2' AND "
                           "FullName = 'Ann O''Neil-Łukasz' AND Category = 'Junior Female' "
                           "AND Handicap = 9.5;"),
              2);
    EXPECT_EQ(folder.Text("SELECT FullName FROM tblGames WHERE GameID = 'G3';"), "Bob Adams");

    // Yes empties the screen and reads the list again, new name included.
    EXPECT_EQ(screen->cboGolfer->currentText(), "");
    EXPECT_EQ(screen->cboGolfer->itemText(0), "Ann O'Neil-Łukasz");
    EXPECT_EQ(form->txtBox[kAge]->text(), "");
    EXPECT_TRUE(HasFocus(screen->cboGolfer));
    EXPECT_TRUE(screen->isVisible());
}

TEST_F(GolferEditScreenTest, ARefusedUpdateChangesNothingAndKeepsTheGolferOnScreen) {
    InsertGame("G1", "D2", "Ann Q Lee");
    Choose("Ann Lee");
    Type(form->txtBox[kLastName], "Park");
    {
        ReadOnlyDatabase readOnly(folder);
        Click(form->cmdSave);
    }
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[0].title, "Zeviza");
    EXPECT_EQ(LastText(), "Record NOT Updated");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(Stored("LName", "D2"), "Lee");
    EXPECT_EQ(form->txtBox[kLastName]->text(), "Park");
    EXPECT_EQ(screen->cboGolfer->currentText(), "Ann Lee");

    // A failure in the games' update takes the golfer's update back with it.
    folder.Exec(
        "CREATE TRIGGER refuse_games BEFORE UPDATE ON tblGames "
        "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END;");
    Click(form->cmdSave);
    EXPECT_EQ(LastText(), "Record NOT Updated");
    EXPECT_EQ(Stored("LName", "D2"), "Lee");
}

TEST_F(GolferEditScreenTest, ClearEmptiesEverythingAndNoAfterSavingClosesTheScreen) {
    Choose("Bob Adams");
    Click(form->cmdClear);
    EXPECT_EQ(screen->cboGolfer->currentText(), "");
    EXPECT_EQ(screen->cboGolferID->currentIndex(), -1);
    EXPECT_EQ(form->txtBox[kFirstName]->text(), "");
    EXPECT_TRUE(HasFocus(screen->cboGolfer));

    Choose("Bob Adams");
    Type(form->txtBox[kHandicap], "x");
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(form->txtBox[kHandicap]->text(), "0.00");
    EXPECT_EQ(folder.Real("SELECT Handicap FROM tblGolfer WHERE GolferID = 'D4';"), 0.0);
    EXPECT_FALSE(screen->isVisible());
}

}  // namespace
}  // namespace golfer_tests
