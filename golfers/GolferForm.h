#pragma once
// The golfer form that the entry and edit screens share: every field of a
// golfer with its caption, limit and tooltip, the two state lists, the sex
// options, the notes and the Save, Clear and Exit buttons. The screens add
// what is their own (the edit screen's golfer list) and the button actions.
#include <QWidget>
#include <array>

#include "golfers/rules/GolferEntry.h"
#include "zeviza/RecordSet.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace parlow {
class FieldBehaviour;
}

namespace parlow::golfers {

class NotesBox;

enum SexOption : int { kMale, kFemale, kSexOptionCount };

class GolferForm : public QWidget {
    Q_OBJECT
  public:
    explicit GolferForm(QWidget* parent = nullptr);

    std::array<QLineEdit*, kTextBoxCount> txtBox{};
    std::array<QComboBox*, kStateListCount> cboBox{};
    std::array<QRadioButton*, kSexOptionCount> optSex{};
    NotesBox* txtNotes = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;

    // The captions, lit while their field has the focus.
    std::array<QLabel*, kTextBoxCount> lblBox{};
    std::array<QLabel*, kStateListCount> lblState{};
    QLabel* lblSex = nullptr;
    QLabel* lblNotes = nullptr;

    GolferEntry Entry() const;
    // Shows the current row of a LoadGolferEdit read.
    void ShowGolfer(const zeviza::RecordSet& golfer);
    // Empties every text, the notes and both state lists, and chooses "Male".
    void EmptyFields();
    // Fills both state lists: the states by code, "- Canada -", the
    // provinces by name.
    void FillStateLists();
    // The form's field for a check's focus; nullptr for one not on the form.
    QWidget* FieldFor(GolferFocus focus) const;
    void ShowHandicapNotNumber();

  private:
    void CreateFields();
    void LayOut();
    void SetTabOrder();
    void ApplyFieldBehaviour();

    parlow::FieldBehaviour* behaviour_ = nullptr;
};

// A failed check shows its warning with the program's title and puts the
// focus on `field`; false then, true when the check passed.
bool Passes(const GolferCheckResult& result, QWidget* field);

}  // namespace parlow::golfers
