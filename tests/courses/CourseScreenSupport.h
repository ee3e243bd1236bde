#pragma once
// What the course screen tests share: a sample course typed key by key into
// the course form, courses, golfers and games stored through the library as
// the other screens store them, and reads of what the database file holds.
#include <QString>
#include <array>
#include <string>

#include "courses/CourseForm.h"
#include "tests/support/gui/GuiTest.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace course_tests {

using parlow::courses::CourseForm;

struct SampleCourse {
    std::array<QString, parlow::courses::kTextBoxCount> text;
    QString state;  // typed into the State/Prov list
    std::array<QString, parlow::courses::kNumBoxCount> num;
    std::array<QString, parlow::courses::kCapBoxCount> cap;
    std::array<QString, parlow::courses::kStatBoxCount> stat;
    int tee = -1;  // none chosen
};

// A complete par-72 course whose names need care: apostrophes, quotes, ";"
// and letters beyond Latin; the club name fills its 35 characters.
SampleCourse Sample();

class CourseScreenTest : public testing_support::GuiTest {
  public:
    // Types every field of the sample into the form, as a user would.
    static void TypeCourse(CourseForm* form, const SampleCourse& course);
    static bool HasFocus(QWidget* field);
    static void ClickRow(QTreeWidget* list, QTreeWidgetItem* row);

    // A course, golfer or game stored as their own screens store them.
    void StoreCourse(const std::string& id, const std::string& name,
                     const std::string& tees = "White") const;
    void StoreGolfer(const std::string& id, const std::string& first,
                     const std::string& last) const;
    void StoreGame(const std::string& gameID, const std::string& golferID,
                   const std::string& clubID) const;

    std::string Stored(const std::string& column, const std::string& clubID) const;
    long long Courses() const;
    std::string LastText() const { return prompts.Last().text; }
};

}  // namespace course_tests
