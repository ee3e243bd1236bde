#pragma once
// The course form that the entry and edit screens share: the club's texts,
// the State/Prov list, the hole grid laid out as a scorecard, the course
// figures, the tee options and the Save, Clear and Exit buttons. The screens
// add what is their own (heading, the edit screen's course list) and the
// button actions.
#include <QWidget>
#include <array>

#include "courses/CourseFormText.h"
#include "courses/rules/CourseEntry.h"
#include "zeviza/RecordSet.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace parlow::courses {

class CourseForm : public QWidget {
    Q_OBJECT
  public:
    explicit CourseForm(CourseScreen screen, QWidget* parent = nullptr);

    std::array<QLineEdit*, kTextBoxCount> txtBox{};
    QComboBox* cboBox = nullptr;
    std::array<QLineEdit*, kNumBoxCount> numBox{};
    std::array<QLineEdit*, kCapBoxCount> capBox{};
    std::array<QLineEdit*, kStatBoxCount> statBox{};
    std::array<QRadioButton*, kTeeCount> teeBox{};
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;

    // The captions, lit while their field has the focus.
    std::array<QLabel*, kInfoLabelCount> lblInfo{};
    std::array<QLabel*, kHoleLabelCount> lblHole{};
    std::array<QLabel*, kStatsLabelCount> lblStats{};
    QLabel* lblTees = nullptr;

    CourseEntry Entry() const;
    // Writes back the handicap texts a check replaced.
    void ShowHandicaps(const CourseEntry& entry);
    // Shows the current row of a LoadClubEdit read; a column without a value
    // leaves its field as it is.
    void ShowCourse(const zeviza::RecordSet& course);
    // Empties every field and list text and unselects the tee options.
    void EmptyFields();
    // The form's field for a check's focus; nullptr for one not on the form.
    QWidget* FieldFor(CourseFocus focus) const;

  private:
    void CreateFields();
    void CreateCaptions();
    void LayOut();
    QLayout* LayOutClub();
    QLayout* LayOutHoleGrid();
    QLayout* LayOutFigures();
    void ApplyFieldOrder();
    void FillStateList();
    void UnselectTees();

    CourseScreen screen_;
};

// A failed check shows its message with its icon and the program's title and
// puts the focus on `field`; false then, true when the check passed.
bool Passes(const CourseCheckResult& result, QWidget* field);

}  // namespace parlow::courses
