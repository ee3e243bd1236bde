// The course edit screen driven through its widgets, with scripted answers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <memory>

#include "courses/frmEditClub.h"
#include "tests/courses/CourseScreenSupport.h"

namespace course_tests {
namespace {

using namespace parlow::courses;
using zeviza::Answer;
using zeviza::Icon;

class CourseEditScreenTest : public CourseScreenTest {
  protected:
    CourseEditScreenTest() {
        StoreCourse("C2", "Pebble Beach", "White");
        StoreCourse("C4", "Augusta National", "Gold");
        folder.Exec(
            "UPDATE tblClub SET State = 'TX', FWays = 0, Rating = 76.3 WHERE ClubID = 'C4';");
        StoreGolfer("D2", "Ann", "Ní Bhriain");
        StoreGame("G2", "D2", "C2");
        screen = std::make_unique<frmEditClub>();
        form = screen->form;
        ShowAndActivate(screen.get());
    }

    QStringList Items(int list) const {
        QStringList items;
        for (int i = 0; i < screen->cboClub[list]->count(); ++i) {
            items << screen->cboClub[list]->itemText(i);
        }
        return items;
    }
    void Choose(int position) {
        screen->cboClub[0]->setFocus();
        screen->cboClub[0]->setCurrentIndex(position);
        Settle();
    }
    void SaveAndAnswer(Answer answer) {
        prompts.Answer(answer);
        Click(form->cmdSave);
    }

    std::unique_ptr<frmEditClub> screen;
    CourseForm* form = nullptr;
};

TEST_F(CourseEditScreenTest, OpensWithTheCoursesByNameAndTheEditLooks) {
    EXPECT_EQ(screen->windowTitle(), "Edit Club / Course Record");
    EXPECT_EQ(screen->lblHeading->text(), "Edit Club / Course Records");
    EXPECT_EQ(screen->lblClub->text(), "Select Course record to edit:");
    EXPECT_EQ(Items(0), QStringList({"Augusta National - Gold", "Pebble Beach - White"}));
    EXPECT_EQ(Items(1), QStringList({"C4", "C2"}));
    EXPECT_EQ(screen->cboClub[0]->currentIndex(), -1);
    EXPECT_TRUE(HasFocus(screen->cboClub[0]));
    EXPECT_FALSE(screen->cboClub[1]->isVisible());
    EXPECT_EQ(form->cboBox->itemText(0), "AK");
    EXPECT_EQ(form->cboBox->itemText(51), "- Canada -");
    EXPECT_EQ(form->cboBox->itemText(52), "AB");
    EXPECT_EQ(form->statBox[2]->maxLength(), 2);
    EXPECT_EQ(form->lblStats[5]->text(), "USGA Slope value ");
    EXPECT_EQ(form->lblTees->text(), "Tees");
    EXPECT_TRUE(form->capBox[3]->toolTip().isEmpty());
    EXPECT_EQ(form->statBox[4]->toolTip(), " Length in yards ");
    EXPECT_TRUE(form->numBox[kRatingBox]->toolTip().contains("(example 70.6)"));
    for (QRadioButton* tee : form->teeBox) {
        EXPECT_EQ(tee->toolTip(), " Select Tees you will be playing on this course ");
    }

    Click(form->cmdSave);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(), "Select a course to edit! ");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_TRUE(HasFocus(screen->cboClub[0]));
    EXPECT_TRUE(IsLit(screen->lblClub));
}

TEST_F(CourseEditScreenTest, EnterInTheListLoadsEveryFieldAndAnUnchangedSaveStoresTheSame) {
    screen->cboClub[0]->setFocus();
    {
        const QSignalBlocker quiet(screen->cboClub[0]);
        screen->cboClub[0]->setCurrentIndex(0);
    }
    PressEnter(screen.get());
    EXPECT_TRUE(HasFocus(screen->cboClub[0]));
    EXPECT_EQ(form->txtBox[0]->text(), "Augusta National");
    EXPECT_EQ(form->txtBox[8]->text(), "Mgr Name");
    EXPECT_EQ(form->cboBox->currentText(), "TX");
    EXPECT_EQ(form->numBox[3]->text(), "5");
    EXPECT_EQ(form->numBox[kOutBox]->text(), "36");
    EXPECT_EQ(form->capBox[17]->text(), "18");
    EXPECT_EQ(form->numBox[kRatingBox]->text(), "76.3");
    EXPECT_EQ(form->numBox[kSlopeBox]->text(), "131");
    EXPECT_EQ(form->statBox[3]->text(), "0");
    EXPECT_EQ(form->statBox[4]->text(), "6512");
    EXPECT_TRUE(form->teeBox[0]->isChecked());

    SaveAndAnswer(Answer::No);
    EXPECT_EQ(prompts.Last().title, "Course Record Updated");
    EXPECT_EQ(LastText(), "Course Record Updated\r\n\r\nDo you want to edit another Course? ");
    EXPECT_EQ(Stored("State", "C4"), "TX");
    EXPECT_EQ(Stored("FWays", "C4"), "0");  // no default of 14 here
    EXPECT_EQ(Stored("Rating", "C4"), "76.3");
    EXPECT_EQ(Stored("Tees", "C4"), "Gold");
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(CourseEditScreenTest, ARenameReachesTheGamesAndTheListShowsItInOrder) {
    Choose(1);
    ASSERT_EQ(form->txtBox[0]->text(), "Pebble Beach");
    Type(form->txtBox[0], "Abbey d'Or \"Nord\"; 北");
    Type(form->numBox[0], "5");
    Type(form->numBox[kOutBox], "37");
    Type(form->numBox[kCourseParBox], "73");
    Type(form->statBox[3], "");
    form->teeBox[4]->click();
    SaveAndAnswer(Answer::Yes);
    EXPECT_EQ(LastText().substr(0, 21), "Course Record Updated");

    EXPECT_EQ(Stored("ClubName", "C2"), "Abbey d'Or \"Nord\"; 北");
    EXPECT_EQ(Stored("Tees", "C2"), "Blue");
    EXPECT_EQ(Stored("FWays", "C2"), "0");
    EXPECT_EQ(folder.Text("SELECT Club || '/' || Tees || '/' || Par1 || '/' || CoursePar "
                          "FROM tblGames WHERE GameID = 'G2';"),
              "Abbey d'Or \"Nord\"; 北/Blue/5/73");
    EXPECT_EQ(Items(0), QStringList({"Abbey d'Or \"Nord\"; 北 - Blue", "Augusta National - Gold"}));
    EXPECT_EQ(Items(1), QStringList({"C2", "C4"}));
    EXPECT_EQ(screen->cboClub[0]->currentIndex(), -1);
    EXPECT_EQ(form->txtBox[0]->text(), "");
    EXPECT_FALSE(form->teeBox[4]->isChecked());
    EXPECT_TRUE(HasFocus(screen->cboClub[0]));
}

TEST_F(CourseEditScreenTest, AnUpdateTheLibraryRefusesKeepsTheCorrectionsOnScreen) {
    Choose(1);
    Type(form->txtBox[2], "Carmel");
    folder.Exec(
        "CREATE TRIGGER refuse BEFORE UPDATE ON tblClub "
        "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END;");
    Click(form->cmdSave);
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[0].title, "Zeviza");
    EXPECT_EQ(LastText(), "Record NOT Updated");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(form->txtBox[2]->text(), "Carmel");
    EXPECT_EQ(screen->cboClub[0]->currentText(), "Pebble Beach - White");
    EXPECT_EQ(Stored("City", "C2"), "Pinehurst");
    EXPECT_EQ(folder.Text("SELECT Club FROM tblGames WHERE GameID = 'G2';"), "Pebble Beach");
}

}  // namespace
}  // namespace course_tests
