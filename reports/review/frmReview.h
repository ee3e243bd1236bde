#pragma once
// The review and selection form the six review screens share: a list to
// choose a golfer, course or game from, the chosen row's display fields, on
// the golfer screens the 18 / 9 hole options, and the button that runs the
// screen's report command and opens its report.
#include <QWidget>
#include <string>
#include <vector>

#include "reports/review/ReviewScreens.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace parlow {
class HandicapSummary;
}

namespace parlow::reports {

class ReviewPicker;

class frmReview : public QWidget {
    Q_OBJECT
  public:
    explicit frmReview(const ReviewScreen& screen, QWidget* parent = nullptr);

    const ReviewScreen& Screen() const { return screen_; }
    // The display field showing that column, or nullptr.
    QLabel* Field(const char* column) const;

    QLabel* lblHeading = nullptr;
    QLabel* lblProduct = nullptr;
    QTreeWidget* lvList = nullptr;  // named as the screen names it: lvGame, lvClub, lvGolfer
    std::vector<QLabel*> lblCaption;
    std::vector<QLabel*> txtField;  // in the screen's order, the identifier first
    QRadioButton* opt18 = nullptr;  // golfer screens only
    QRadioButton* opt9 = nullptr;
    QPushButton* cmdReport = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;
    parlow::HandicapSummary* handicap = nullptr;  // screens that show the estimated index

  private:
    void CreateControls();
    void LayOut();
    void ShowHandicap();
    void Clear();
    void Report();
    // Opens the report; otherwise the warning that stopped it.
    std::string OpenChosenReport();
    std::vector<std::string> CommandValues() const;

    const ReviewScreen& screen_;
    ReviewPicker* picker_ = nullptr;
};

}  // namespace parlow::reports
