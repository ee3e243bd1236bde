// First, before any Qt header defines "slots" as a keyword.
#include "tests/support/WritesSupport.h"

// Then the rest.
#include "tests/courses/CourseScreenSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

namespace course_tests {
namespace {

writes_support::Course CourseOf(const testing_support::ProgramFolder& folder,
                                const std::string& clubID) {
    writes_support::Course course;
    course.id = clubID;
    course.name = folder.Text("SELECT ClubName FROM tblClub WHERE ClubID = '" + clubID + "';");
    course.tees = folder.Text("SELECT Tees FROM tblClub WHERE ClubID = '" + clubID + "';");
    for (int hole = 1; hole <= 18; ++hole) {
        course.pars[hole - 1] = static_cast<std::int16_t>(
            folder.Count("SELECT Par" + std::to_string(hole) + " FROM tblClub WHERE ClubID = '" +
                         clubID + "';"));
    }
    return course;
}

}  // namespace

SampleCourse Sample() {
    SampleCourse course;
    course.text = {"Club de golf l'Île \"Verte\"; 李 Links",
                   "12 Ruelle de l'Église",
                   "Québec",
                   "G1R 4P5",
                   "418-555-0101",
                   "418-555-0102",
                   "Zoë O'Brien",
                   "D'Arcy \"Ace\" Lévesque",
                   "Мария Иванова"};
    course.state = "QC - Quebec";
    const char* pars[18] = {"4", "4", "3", "5", "4", "4", "3", "4", "5",
                            "4", "3", "5", "4", "4", "3", "4", "5", "4"};
    for (int hole = 0; hole < 18; ++hole) {
        course.num[parlow::courses::ParBox(hole)] = pars[hole];
    }
    course.num[parlow::courses::kOutBox] = "36";
    course.num[parlow::courses::kInBox] = "36";
    course.num[parlow::courses::kSlopeBox] = "131";
    course.num[parlow::courses::kRatingBox] = "76.3";
    course.num[parlow::courses::kCourseParBox] = "72";
    const int caps[18] = {7, 11, 17, 1, 13, 5, 15, 3, 9, 10, 16, 2, 12, 6, 18, 8, 4, 14};
    for (int hole = 0; hole < 18; ++hole) {
        course.cap[hole] = QString::number(caps[hole]);
    }
    course.stat = {"4", "10", "4", "14", "6812"};
    course.tee = 4;  // Blue
    return course;
}

void CourseScreenTest::TypeCourse(CourseForm* form, const SampleCourse& course) {
    for (int box = 0; box < parlow::courses::kTextBoxCount; ++box) {
        Type(form->txtBox[box], course.text[box]);
    }
    Type(form->cboBox, course.state);
    for (int box = 0; box < parlow::courses::kNumBoxCount; ++box) {
        Type(form->numBox[box], course.num[box]);
    }
    for (int box = 0; box < parlow::courses::kCapBoxCount; ++box) {
        Type(form->capBox[box], course.cap[box]);
    }
    for (int box = 0; box < parlow::courses::kStatBoxCount; ++box) {
        Type(form->statBox[box], course.stat[box]);
    }
    if (course.tee >= 0) {
        form->teeBox[course.tee]->setFocus();
        form->teeBox[course.tee]->click();
    }
    Settle();
}

bool CourseScreenTest::HasFocus(QWidget* field) {
    QWidget* focused = Focused();
    return focused != nullptr && (focused == field || field->isAncestorOf(focused));
}

void CourseScreenTest::ClickRow(QTreeWidget* list, QTreeWidgetItem* row) {
    list->scrollToItem(row);
    const QRect rect = list->visualItemRect(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + 4, rect.center().y()));
    Settle();
}

void CourseScreenTest::StoreCourse(const std::string& id, const std::string& name,
                                   const std::string& tees) const {
    zeviza::Putt putt(folder.Path());
    writes_support::Course course{id, name, writes_support::StandardPars(), tees};
    ASSERT_TRUE(writes_support::AddCourse(putt, course));
}

void CourseScreenTest::StoreGolfer(const std::string& id, const std::string& first,
                                   const std::string& last) const {
    zeviza::Putt putt(folder.Path());
    ASSERT_TRUE(writes_support::AddGolfer(putt, id, first, last));
}

// An 18-hole round at par with one bogey, at the course as it is stored.
void CourseScreenTest::StoreGame(const std::string& gameID, const std::string& golferID,
                                 const std::string& clubID) const {
    zeviza::Putt putt(folder.Path());
    const writes_support::Course course = CourseOf(folder, clubID);
    const std::string name =
        folder.Text("SELECT FullName FROM tblGolfer WHERE GolferID = '" + golferID + "';");
    writes_support::Game game = writes_support::MakeGame(
        gameID, golferID, name, course, writes_support::ParScores(course, 18, 1), 3);
    ASSERT_TRUE(game.Add(putt));
}

std::string CourseScreenTest::Stored(const std::string& column, const std::string& clubID) const {
    return folder.Text("SELECT " + column + " FROM tblClub WHERE ClubID = '" + clubID + "';");
}

long long CourseScreenTest::Courses() const {
    return folder.Count("SELECT COUNT(*) FROM tblClub;");
}

}  // namespace course_tests
