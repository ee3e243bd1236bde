// The course entry screen driven through its widgets, with scripted answers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <memory>

#include "courses/frmAddClub.h"
#include "tests/courses/CourseScreenSupport.h"

namespace course_tests {
namespace {

using namespace parlow::courses;
using zeviza::Answer;
using zeviza::Icon;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

class CourseEntryScreenTest : public CourseScreenTest {
  protected:
    CourseEntryScreenTest() : screen(std::make_unique<frmAddClub>()), form(screen->form) {
        ShowAndActivate(screen.get());
    }

    void SaveAndAnswer(Answer answer) {
        prompts.Answer(answer);
        Click(form->cmdSave);
    }
    // The course saved last.
    std::string Newest(const std::string& column) const {
        return folder.Text("SELECT " + column + " FROM tblClub ORDER BY ID DESC LIMIT 1;");
    }

    std::unique_ptr<frmAddClub> screen;
    CourseForm* form;
};

TEST_F(CourseEntryScreenTest, OpensEmptyWithItsCaptionsListLimitsAndTooltips) {
    EXPECT_EQ(screen->windowTitle(), "Add New Club / Course Record");
    EXPECT_EQ(screen->lblHeading->text(), "Add New Club / Course Record");
    ASSERT_EQ(form->cboBox->count(), 51 + 1 + 13);
    EXPECT_EQ(form->cboBox->itemText(0), "AK - Alaska");
    EXPECT_EQ(form->cboBox->itemText(51), "- Canada -");
    EXPECT_EQ(form->cboBox->itemText(52), "AB - Alberta");
    EXPECT_EQ(form->cboBox->currentText(), "");
    for (QRadioButton* tee : form->teeBox) {
        EXPECT_FALSE(tee->isChecked()) << tee->text().toStdString();
    }
    EXPECT_EQ(form->txtBox[7]->maxLength(), 35);
    EXPECT_EQ(form->numBox[kSlopeBox]->maxLength(), 3);
    EXPECT_EQ(form->numBox[kRatingBox]->maxLength(), 5);
    EXPECT_EQ(form->statBox[2]->maxLength(), 1);
    EXPECT_EQ(form->statBox[4]->maxLength(), 5);
    EXPECT_EQ(form->numBox[12]->alignment(), Qt::AlignCenter);

    EXPECT_EQ(form->lblInfo[kStateLabel]->text(), "*State/Prov");
    EXPECT_EQ(form->lblHole[kOutBox]->text(), "Out");
    EXPECT_EQ(form->lblStats[5]->text(), "USGA Slope  ");
    EXPECT_EQ(form->lblTees->text(), "Tees   ");
    EXPECT_EQ(form->numBox[12]->toolTip(), " Enter Par for hole #12 ");
    EXPECT_EQ(form->statBox[3]->toolTip(), " Number of fairways on this course (usually 14) ");
    EXPECT_EQ(form->lblStats[3]->toolTip(), " Number of fairways on this course ");
    EXPECT_EQ(form->numBox[kCourseParBox]->toolTip(), " Enter Course Par for tees selected ");
    EXPECT_EQ(form->lblStats[7]->toolTip(), " Par value for the Tees being played ");
    EXPECT_TRUE(form->teeBox[1]->toolTip().isEmpty());  // Black
    EXPECT_TRUE(form->teeBox[3]->toolTip().isEmpty());  // White
    EXPECT_TRUE(form->teeBox[5]->toolTip().startsWith(" Select Tees you will be playing"));
    EXPECT_EQ(form->lblTees->toolTip(), form->teeBox[0]->toolTip());
}

TEST_F(CourseEntryScreenTest, EnterWalksTheScorecardToSaveLightingEachCaption) {
    std::vector<std::pair<QWidget*, QLabel*>> walk;  // field, and the caption it lights
    for (int box = 1; box < kTextBoxCount; ++box) {
        if (box == 3) {
            walk.push_back({form->cboBox, form->lblInfo[kStateLabel]});
        }
        walk.push_back({form->txtBox[box], form->lblInfo[InfoLabelOf(box)]});
    }
    for (int nine = 0; nine < 2; ++nine) {
        for (int box = nine * 10; box < nine * 10 + 10; ++box) {
            walk.push_back({form->numBox[box], form->lblHole[box]});
        }
        for (int cap = nine * 9; cap < nine * 9 + 9; ++cap) {
            walk.push_back({form->capBox[cap], form->lblHole[ParBox(cap)]});
        }
    }
    for (int box = 0; box < kStatBoxCount; ++box) {
        walk.push_back({form->statBox[box], form->lblStats[box]});
    }
    for (int box = kSlopeBox; box <= kCourseParBox; ++box) {
        walk.push_back({form->numBox[box], form->lblStats[box - kSlopeBox + 5]});
    }
    walk.push_back({form->teeBox[0], form->lblTees});

    form->txtBox[0]->setFocus();
    Settle();
    EXPECT_TRUE(IsLit(form->lblInfo[0]));
    QLabel* previous = form->lblInfo[0];
    for (const auto& [field, caption] : walk) {
        PressEnter(screen.get());
        ASSERT_TRUE(HasFocus(field)) << caption->text().toStdString();
        const bool handicap =
            qobject_cast<QLineEdit*>(field) != nullptr &&
            std::find(form->capBox.begin(), form->capBox.end(), field) != form->capBox.end();
        EXPECT_TRUE(IsLit(caption, handicap ? kRed : kBlue)) << caption->text().toStdString();
        EXPECT_FALSE(IsLit(previous) || IsLit(previous, kRed)) << previous->text().toStdString();
        previous = caption;
    }
    // A tee option lights its own text too; from any of them Enter goes to Save.
    EXPECT_EQ(form->teeBox[0]->palette().color(QPalette::WindowText), kBlue);
    form->teeBox[3]->setFocus();
    Settle();
    EXPECT_EQ(form->teeBox[0]->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_TRUE(IsLit(form->lblTees));
    PressEnter(screen.get());
    EXPECT_TRUE(HasFocus(form->cmdSave));
    EXPECT_FALSE(IsLit(form->lblTees));
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_EQ(Courses(), 0);
}

TEST_F(CourseEntryScreenTest, AFullCourseIsStoredAsTypedAndYesMakesRoomForTheNext) {
    const SampleCourse sample = Sample();
    TypeCourse(form, sample);
    SaveAndAnswer(Answer::Yes);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().title, "Course Record Saved");
    EXPECT_EQ(LastText(), "Course Record Saved\r\n\r\nDo you want to add another Course? ");
    EXPECT_EQ(prompts.Last().icon, Icon::Information);
    EXPECT_EQ(prompts.Last().buttons, zeviza::Buttons::YesNo);

    ASSERT_EQ(Courses(), 1);
    const char* texts[] = {"ClubName",     "Address", "City",        "Zip",    "ClubPhone",
                           "ProShopPhone", "ClubPro", "ClubAsstPro", "ClubMgr"};
    for (int box = 0; box < kTextBoxCount; ++box) {
        EXPECT_EQ(Stored(texts[box], "C2"), sample.text[box].toStdString()) << texts[box];
    }
    EXPECT_EQ(Stored("State", "C2"), "QC");
    EXPECT_EQ(Stored("Tees", "C2"), "Blue");
    for (int hole = 1; hole <= 18; ++hole) {
        EXPECT_EQ(Stored("Par" + std::to_string(hole), "C2"),
                  sample.num[ParBox(hole - 1)].toStdString());
        EXPECT_EQ(Stored("HCap" + std::to_string(hole), "C2"), sample.cap[hole - 1].toStdString());
    }
    const std::pair<const char*, const char*> figures[] = {
        {"ParOut", "36"},   {"ParIn", "36"},  {"CoursePar", "72"}, {"Slope", "131"},
        {"Rating", "76.3"}, {"Par3s", "4"},   {"Par4s", "10"},     {"Par5s", "4"},
        {"FWays", "14"},    {"Yards", "6812"}};
    for (const auto& [column, value] : figures) {
        EXPECT_EQ(Stored(column, "C2"), value) << column;
    }

    for (QLineEdit* box : form->numBox) {
        EXPECT_EQ(box->text(), "");
    }
    EXPECT_EQ(form->txtBox[0]->text(), "");
    EXPECT_EQ(form->capBox[0]->text(), "");
    EXPECT_EQ(form->cboBox->currentText(), "");
    EXPECT_FALSE(form->teeBox[sample.tee]->isChecked());
    EXPECT_TRUE(HasFocus(form->txtBox[0]));

    TypeCourse(form, sample);
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(Newest("ClubID"), "C4");  // twice the row number: C2, C4, ...
    EXPECT_FALSE(screen->isVisible());
}

// What a check refuses stays on the screen for correction, with the focus on
// the field to put right; nothing is stored.
TEST_F(CourseEntryScreenTest, ARefusedCourseKeepsItsFieldsAndFocusesTheOneToCorrect) {
    struct Case {
        const char* name;
        std::function<void(CourseForm*)> change;
        std::string message;
        Icon icon;
        std::function<QWidget*(CourseForm*)> focus;
    };
    auto num = [](int box) { return [box](CourseForm* f) -> QWidget* { return f->numBox[box]; }; };
    auto type = [](auto field, QString text) {
        return [field, text](CourseForm* f) { Type(field(f), text); };
    };
    auto numBox = [](int box) { return [box](CourseForm* f) { return f->numBox[box]; }; };
    const std::vector<Case> cases = {
        {"no address", type([](CourseForm* f) { return f->txtBox[1]; }, ""),
         "Missing or incomplete Club information! ", Icon::Warning,
         [](CourseForm* f) -> QWidget* { return f->txtBox[1]; }},
        {"Canada", [](CourseForm* f) { f->cboBox->setCurrentText("- Canada -"); },
         "Select a valid State or Province!\r\nCanada is a country, not a state or province. ",
         Icon::Warning, [](CourseForm* f) -> QWidget* { return f->cboBox; }},
        {"par of 6", type(numBox(12), "6"), "Par values must be 3 or 4 or 5 ", Icon::Warning,
         num(12)},
        {"back nine short", type(numBox(kInBox), "35"),
         "The par value entered for the Back 9 does not \r\nequal the values you entered in the "
         "holes. ",
         Icon::Critical, num(kInBox)},
        {"rating 76,3", type(numBox(kRatingBox), "76,3"), "Enter the USGA Rating value! ",
         Icon::Warning, num(kRatingBox)},
        {"no tees", [](CourseForm*) {}, "Please select the tees you will be playing from",
         Icon::Critical, nullptr},
    };
    SampleCourse sample = Sample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.Clear();
        sample.tee = std::string(c.name) == "no tees" ? -1 : 4;
        form->EmptyFields();
        TypeCourse(form, sample);
        c.change(form);
        Click(form->cmdSave);
        ASSERT_EQ(prompts.Shown().size(), 1u);
        EXPECT_EQ(LastText(), c.message);
        EXPECT_EQ(prompts.Last().icon, c.icon);
        EXPECT_EQ(prompts.Last().title, "Parlow's Log");
        if (c.focus) {
            EXPECT_TRUE(HasFocus(c.focus(form)));
        }
        EXPECT_EQ(form->txtBox[0]->text(), sample.text[0]);
        EXPECT_EQ(form->numBox[0]->text(), "4");
        EXPECT_EQ(Courses(), 0);
    }
}

// Inputs the checks let through, each stored as the rules read it.
TEST_F(CourseEntryScreenTest, AcceptedInputsAreStoredAsTheRulesReadThem) {
    struct Case {
        const char* name;
        std::function<void(CourseForm*)> change;
        std::vector<std::pair<std::string, std::string>> stored;
    };
    const std::vector<Case> cases = {
        {"rating 0.6",
         [](CourseForm* f) { Type(f->numBox[kRatingBox], "0.6"); },
         {{"Rating", "0.6"}}},
        {"slope 155", [](CourseForm* f) { Type(f->numBox[kSlopeBox], "155"); }, {{"Slope", "155"}}},
        // A par field holds two characters, so a half shows in the length.
        {"length 812.5 halves to even",
         [](CourseForm* f) { Type(f->statBox[4], "812.5"); },
         {{"Yards", "812"}}},
        {"no fairways with par 4s",
         [](CourseForm* f) { Type(f->statBox[3], ""); },
         {{"FWays", "14"}}},
        {"no fairways, no par 4s",
         [](CourseForm* f) {
             Type(f->statBox[3], "");
             Type(f->statBox[1], "");
         },
         {{"FWays", "0"}, {"Par4s", "0"}}},
        {"typed state", [](CourseForm* f) { Type(f->cboBox, "Zz Land"); }, {{"State", "Zz"}}},
        {"blanks and no handicaps",
         [](CourseForm* f) {
             Type(f->txtBox[0], "  Oak Hill  ");
             Type(f->capBox[0], "x");
             Type(f->capBox[17], "");
         },
         {{"ClubName", "Oak Hill"}, {"HCap1", "0"}, {"HCap18", "0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TypeCourse(form, Sample());
        c.change(form);
        if (std::string(c.name) == "blanks and no handicaps") {
            Type(form->numBox[kInBox], "");  // refused first: the texts are put right anyway
            Click(form->cmdSave);
            EXPECT_EQ(form->txtBox[0]->text(), "Oak Hill");
            EXPECT_EQ(form->capBox[0]->text(), "0");
            EXPECT_EQ(form->capBox[17]->text(), "0");
            Type(form->numBox[kInBox], "36");
        }
        SaveAndAnswer(Answer::Yes);
        EXPECT_EQ(LastText().substr(0, 19), "Course Record Saved");
        for (const auto& [column, value] : c.stored) {
            EXPECT_EQ(Newest(column), value) << column;
        }
    }
}

TEST_F(CourseEntryScreenTest, AWriteTheLibraryRefusesKeepsTheCourseOnScreen) {
    folder.Exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON tblClub "
        "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END;");
    TypeCourse(form, Sample());
    Click(form->cmdSave);
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[0].title, "Zeviza");
    EXPECT_EQ(LastText(), "Record NOT Saved");
    EXPECT_EQ(prompts.Last().icon, Icon::Critical);
    EXPECT_EQ(Courses(), 0);
    EXPECT_EQ(form->txtBox[0]->text(), Sample().text[0]);
    EXPECT_EQ(form->capBox[17]->text(), "14");
    EXPECT_TRUE(form->teeBox[4]->isChecked());

    folder.Exec("DROP TRIGGER refuse;");
    SaveAndAnswer(Answer::No);
    EXPECT_EQ(Courses(), 1);
    EXPECT_EQ(Stored("Tees", "C2"), "Blue");
}

}  // namespace
}  // namespace course_tests
