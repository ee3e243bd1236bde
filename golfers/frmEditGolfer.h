#pragma once
// The golfer edit screen: a golfer chosen from the list at the top is shown
// in the golfer form and saved back through UpdateGolfer.
#include <QWidget>
#include <string>

#include "zeviza/ShownRecord.h"

class QComboBox;
class QLabel;

namespace parlow {
class HandicapSummary;
}

namespace parlow::golfers {

class GolferForm;

class frmEditGolfer : public QWidget {
    Q_OBJECT
  public:
    explicit frmEditGolfer(QWidget* parent = nullptr);

    QLabel* lblHeading = nullptr;
    // The golfers' full names; the hidden twin holds their identifiers at
    // the same positions.
    QComboBox* cboGolfer = nullptr;
    QComboBox* cboGolferID = nullptr;
    GolferForm* form = nullptr;
    parlow::HandicapSummary* handicap = nullptr;  // the estimated index, read-only

  private:
    void FillGolferList();
    // After another screen's write: the chosen golfer stays chosen while
    // stored, and what was typed stays.
    void RefillKeepingChoice();
    void ForgetChoice();
    void ShowChosenGolfer(int position);
    std::string ChosenGolferID() const;
    void Save();
    void Clear();

    // The chosen golfer as it was read into the form, for UpdateGolfer to
    // confirm it is still the golfer stored.
    zeviza::ShownRecord loaded_;
};

}  // namespace parlow::golfers
