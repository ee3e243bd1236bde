// The golfer entry screen driven through its widgets, with scripted answers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "golfers/NotesBox.h"
#include "golfers/frmAddGolfer.h"
#include "golfers/frmEditGolfer.h"
#include "tests/golfers/GolferScreenSupport.h"

namespace golfer_tests {
namespace {

using namespace parlow::golfers;
using zeviza::Answer;
using zeviza::Icon;

class GolferEntryScreenTest : public GolferScreenTest {
  protected:
    GolferEntryScreenTest() : screen(std::make_unique<frmAddGolfer>()), form(screen->form) {
        ShowAndActivate(screen.get());
    }

    void SaveAndAnswer(Answer answer) {
        prompts.Answer(answer);
        Click(form->cmdSave);
    }
    // The one golfer saved so far, by its identifier.
    std::string Saved(const std::string& column) const { return Stored(column, "D2"); }

    std::unique_ptr<frmAddGolfer> screen;
    GolferForm* form;
};

TEST_F(GolferEntryScreenTest, OpensWithItsCaptionListsLimitsAndTooltips) {
    EXPECT_EQ(screen->windowTitle(), "Add New Golfer Record");
    EXPECT_EQ(form->txtBox[kAge]->text(), "0");
    EXPECT_TRUE(form->optSex[kMale]->isChecked());
    for (QComboBox* list : form->cboBox) {
        ASSERT_EQ(list->count(), 51 + 1 + 13);
        EXPECT_EQ(list->itemText(0), "AK - Alaska");  // by code
        EXPECT_EQ(list->itemText(51), "- Canada -");
        EXPECT_EQ(list->itemText(52), "AB - Alberta");  // provinces by name
        EXPECT_EQ(list->currentText(), "");
    }
    EXPECT_EQ(form->txtBox[kFirstName]->maxLength(), 25);
    EXPECT_EQ(form->txtBox[kLastName]->maxLength(), 45);
    EXPECT_EQ(form->txtBox[kAge]->maxLength(), 3);
    EXPECT_EQ(form->txtNotes->maxLength(), 250);
    EXPECT_EQ(form->txtBox[kAge]->toolTip(), " Enter age of this Golfer ");
    EXPECT_EQ(form->txtBox[kHandicap]->toolTip(), " Your USGA Handicap ");
    EXPECT_EQ(form->txtNotes->toolTip(), " 250 characters max ");
    EXPECT_EQ(form->lblBox[kFirstName]->text(), "*First Name");
    EXPECT_EQ(form->lblState[kGolferState]->text(), "*State/Province");
    EXPECT_EQ(form->lblNotes->text(), "Notes: ");
    EXPECT_EQ(form->cmdExit->text(), "e&Xit");
}

TEST_F(GolferEntryScreenTest, EnterWalksTheFieldsInOrderPastTheSexOptionsToSave) {
    std::vector<QWidget*> expected;
    for (int box = kMiddleName; box <= kCity; ++box) {
        expected.push_back(form->txtBox[box]);
    }
    expected.push_back(form->cboBox[kGolferState]);
    for (int box = kPostalCode; box <= kClubCity; ++box) {
        expected.push_back(form->txtBox[box]);
    }
    expected.push_back(form->cboBox[kClubState]);
    for (int box = kClubPostalCode; box <= kProShopPhone; ++box) {
        expected.push_back(form->txtBox[box]);
    }
    expected.push_back(form->txtNotes);
    expected.push_back(form->cmdSave);

    Type(form->txtBox[kFirstName], "Ann");
    for (QWidget* next : expected) {
        PressEnter(screen.get());
        ASSERT_TRUE(HasFocus(next)) << next->metaObject()->className();
    }
    EXPECT_EQ(form->txtBox[kFirstName]->text(), "Ann");
    EXPECT_TRUE(prompts.Shown().empty());  // reaching Save does not save
}

TEST_F(GolferEntryScreenTest, AnyKeyOnASexOptionMovesToTheHandicapAndLightsSexMeanwhile) {
    form->optSex[kMale]->setFocus();
    Settle();
    EXPECT_TRUE(IsLit(form->lblSex));
    PressKey(form->optSex[kMale], Qt::Key_Right);
    EXPECT_TRUE(form->optSex[kFemale]->isChecked());
    EXPECT_TRUE(HasFocus(form->txtBox[kHandicap]));
    EXPECT_FALSE(IsLit(form->lblSex));
    EXPECT_TRUE(IsLit(form->lblBox[kHandicap]));

    form->optSex[kFemale]->setFocus();
    Settle();
    PressKey(form->optSex[kFemale], Qt::Key_X);
    EXPECT_TRUE(HasFocus(form->txtBox[kHandicap]));
    EXPECT_EQ(form->txtBox[kHandicap]->text(), "");  // the key itself is not typed on
}

TEST_F(GolferEntryScreenTest, ValidationStopsAtTheFirstFaultWithFocusThereAndStoresNothing) {
    Type(form->txtBox[kFirstName], "Ann");
    Click(form->cmdSave);
    EXPECT_EQ(LastText(), "Missing or incomplete information");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(prompts.Last().title, "Parlow's Log");
    EXPECT_TRUE(HasFocus(form->txtBox[kLastName]));

    Type(form->txtBox[kLastName], "Lee");
    Type(form->txtBox[kAddress], "1 Tee Rd");
    Type(form->txtBox[kCity], "Akron");
    Click(form->cmdSave);
    EXPECT_EQ(LastText(), "Select a State / Province! ");
    EXPECT_TRUE(HasFocus(form->cboBox[kGolferState]));

    const std::string canada =
        "Select a valid State / Province!\r\nCanada is a country, not a state or province. ";
    form->cboBox[kGolferState]->setCurrentText("- Canada -");
    Click(form->cmdSave);
    EXPECT_EQ(LastText(), canada);
    EXPECT_TRUE(HasFocus(form->cboBox[kGolferState]));

    ChooseState(form->cboBox[kGolferState], "OH");
    form->cboBox[kClubState]->setCurrentText("- Canada -");
    Click(form->cmdSave);
    EXPECT_EQ(LastText(), canada);
    EXPECT_TRUE(HasFocus(form->cboBox[kClubState]));

    form->cboBox[kClubState]->setCurrentIndex(-1);
    Click(form->cmdSave);  // the age is still the "0" the screen opened with
    EXPECT_EQ(LastText(), "The Golfer's age must be greater than zero. ");
    EXPECT_TRUE(HasFocus(form->txtBox[kAge]));
    EXPECT_EQ(Golfers(), 0);
}

TEST_F(GolferEntryScreenTest, AGolferIsStoredAsTypedAndYesEmptiesTheScreenForTheNext) {
    TypeGolfer(form, Sample());
    SaveAndAnswer(Answer::Yes);

    const zeviza::Box& question = prompts.Last();
    EXPECT_EQ(question.text, "Golfer Record Saved\r\n\r\nWould you like to add another Golfer?");
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_EQ(question.buttons, zeviza::Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::No);
    EXPECT_EQ(question.title, "Parlow's Log");

    EXPECT_EQ(Saved("FName"), "Zoë");
    EXPECT_EQ(Saved("MName"), "D'Arcy");
    EXPECT_EQ(Saved("LName"), "O'Brien \"Ace\" 李");
    EXPECT_EQ(Saved("FullName"), "Zoë D'Arcy O'Brien \"Ace\" 李");
    EXPECT_EQ(Saved("Address"), "12 Ruelle de l'Église");
    EXPECT_EQ(Saved("State"), "QC");
    EXPECT_EQ(Saved("ClubState"), "QC");
    EXPECT_EQ(Saved("WPhone"), "418-555-0103 x7");
    EXPECT_EQ(Saved("ClubAddress"), "4600 rue Saint-Félix");
    EXPECT_EQ(Saved("Notes"), "Plays Tuesdays; \"never\" misses a putt that's short.");
    EXPECT_EQ(Saved("Sex"), "Female");
    EXPECT_EQ(Saved("Category"), "Adult Female");
    EXPECT_EQ(folder.Real("SELECT Handicap FROM tblGolfer;"), 12.5);

    for (QLineEdit* box : form->txtBox) {
        EXPECT_EQ(box->text(), box == form->txtBox[kAge] ? "0" : "");
    }
    EXPECT_EQ(form->cboBox[kGolferState]->currentText(), "");
    EXPECT_EQ(form->txtNotes->toPlainText(), "");
    EXPECT_TRUE(form->optSex[kMale]->isChecked());
    EXPECT_TRUE(HasFocus(form->txtBox[kFirstName]));
    EXPECT_TRUE(screen->isVisible());
}

TEST_F(GolferEntryScreenTest, TrimmedNamesWithoutMiddleNameAndNoClubStateAndNoClosesTheScreen) {
    SampleGolfer golfer = Sample();
    golfer.text[kFirstName] = "  Ann ";
    golfer.text[kMiddleName] = "";
    golfer.text[kLastName] = "Lee  ";
    golfer.state[kClubState] = "";
    golfer.text[kAge] = "17";
    golfer.male = true;
    TypeGolfer(form, golfer);
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(Saved("FullName"), "Ann Lee");
    EXPECT_EQ(Saved("ClubState"), "");
    EXPECT_EQ(Saved("Category"), "Junior Male");
    EXPECT_FALSE(screen->isVisible());
}

// Each age either refused with its message or stored as its rounded value;
// three characters leave room for "2.5" but not for "17.5".
TEST_F(GolferEntryScreenTest, AgesAreRefusedOrStoredRoundedHalfToEven) {
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "The age field must be a valid number. "},
        {"0", "The Golfer's age must be greater than zero. "},
        {"-3", "The Golfer's age must be greater than zero. "},
    };
    TypeGolfer(form, Sample());
    for (const auto& [age, message] : refused) {
        Type(form->txtBox[kAge], age);
        Click(form->cmdSave);
        EXPECT_EQ(LastText(), message) << age;
        EXPECT_TRUE(HasFocus(form->txtBox[kAge]));
    }
    EXPECT_EQ(Golfers(), 0);

    const std::tuple<const char*, int, const char*> stored[] = {
        {"2.5", 2, "Junior Female"}, {"1.5", 2, "Junior Female"}, {"120", 120, "Adult Female"}};
    for (const auto& [age, value, category] : stored) {
        TypeGolfer(form, Sample());
        Type(form->txtBox[kAge], age);
        SaveAndAnswer(Answer::Yes);
        EXPECT_EQ(folder.Count("SELECT Age FROM tblGolfer ORDER BY ID DESC LIMIT 1;"), value);
        EXPECT_EQ(folder.Text("SELECT Category FROM tblGolfer ORDER BY ID DESC LIMIT 1;"),
                  category);
    }
}

TEST_F(GolferEntryScreenTest, AnEmptyHandicapShowsAsZeroAndIsStoredAsZero) {
    SampleGolfer golfer = Sample();
    golfer.text[kHandicap] = "";
    TypeGolfer(form, golfer);
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(form->txtBox[kHandicap]->text(), "0.00");
    EXPECT_EQ(folder.Real("SELECT Handicap FROM tblGolfer;"), 0.0);
}

// A list's own codes are what is stored; typed text that is none of them,
// however hostile, never reaches the database.
TEST_F(GolferEntryScreenTest, ATypedStateIsStoredOnlyWhenListed) {
    SampleGolfer golfer = Sample();
    golfer.state = {"ON", "'; DROP TABLE tblGolfer; --"};
    TypeGolfer(form, golfer);
    Click(form->cmdSave);
    EXPECT_EQ(LastText(),
              "Select a valid State / Province!\r\n\"'; DROP TABLE tblGolfer; --\" is "
              "not in the list. ");
    EXPECT_EQ(Golfers(), 0);
    Type(form->cboBox[kClubState], "BC - British Columbia");
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(Saved("State"), "ON");
    EXPECT_EQ(Saved("ClubState"), "BC");
}

TEST_F(GolferEntryScreenTest, NotesHoldTwoHundredFiftyCharactersAndAreStoredWhole) {
    TypeGolfer(form, Sample());
    const QString notes = QString("Fade'").repeated(50);
    form->txtNotes->clear();
    TypeKeys(form->txtNotes, notes + "XYZ");
    EXPECT_EQ(form->txtNotes->toPlainText(), notes);
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(Saved("Notes"), notes.toStdString());
}

TEST_F(GolferEntryScreenTest, ARefusedSaveShowsTheLibraryBoxThenNotSavedAndKeepsTheFields) {
    TypeGolfer(form, Sample());
    {
        ReadOnlyDatabase readOnly(folder);
        Click(form->cmdSave);
    }
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[0].title, "Zeviza");
    EXPECT_EQ(prompts.Shown()[0].icon, Icon::Critical);
    EXPECT_NE(prompts.Shown()[0].text.find("Function: AddGolfer"), std::string::npos);
    EXPECT_EQ(LastText(), "Record NOT Saved");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(Golfers(), 0);

    // Everything typed is still there, so saving again once the file is
    // writable stores the golfer.
    EXPECT_EQ(form->txtBox[kFirstName]->text(), "Zoë");
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(Saved("FullName"), "Zoë D'Arcy O'Brien \"Ace\" 李");
}

TEST_F(GolferEntryScreenTest, AFailureWhileTheGolferRowIsWrittenLeavesNoRowBehind) {
    folder.Exec(
        "CREATE TRIGGER refuse_golfer AFTER INSERT ON tblGolfer "
        "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END;");
    TypeGolfer(form, Sample());
    Click(form->cmdSave);
    EXPECT_EQ(LastText(), "Record NOT Saved");
    EXPECT_EQ(Golfers(), 0);
}

TEST_F(GolferEntryScreenTest, EnteredGolferShowsBackUnchangedOnTheEditScreen) {
    TypeGolfer(form, Sample());
    SaveAndAnswer(Answer::No);

    frmEditGolfer edit;
    ShowAndActivate(&edit);
    ASSERT_EQ(edit.cboGolfer->count(), 1);
    ChooseEntry(edit.cboGolfer, 0);
    Settle();
    const SampleGolfer golfer = Sample();
    for (int box = 0; box < kTextBoxCount; ++box) {
        EXPECT_EQ(edit.form->txtBox[box]->text(), golfer.text[box]) << box;
    }
    EXPECT_EQ(edit.form->cboBox[kGolferState]->currentText(), "QC");
    EXPECT_EQ(edit.form->txtNotes->toPlainText(), golfer.notes);
    EXPECT_TRUE(edit.form->optSex[kFemale]->isChecked());
}

}  // namespace
}  // namespace golfer_tests
