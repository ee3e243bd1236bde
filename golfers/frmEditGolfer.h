#pragma once
// The golfer edit screen: a golfer chosen from the list at the top is shown
// in the golfer form and saved back through UpdateGolfer.
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;

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

  private:
    void FillGolferList();
    void ShowChosenGolfer(int position);
    std::string ChosenGolferID() const;
    void Save();
    void Clear();
};

}  // namespace parlow::golfers
