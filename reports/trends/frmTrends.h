#pragma once
// The trends screen: a golfer chosen from the list as on the golfer review
// screens, 18 or 9 hole games, a period, and the button that opens the
// golfer's charts.
#include <QWidget>
#include <vector>

#include "reports/trends/rules/TrendSeries.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace parlow::reports {

class ReviewPicker;
struct ReviewScreen;

class frmTrends : public QWidget {
    Q_OBJECT
  public:
    explicit frmTrends(QWidget* parent = nullptr);

    int Holes() const;
    trends::Period ChosenPeriod() const;

    QLabel* lblHeading = nullptr;
    QLabel* lblProduct = nullptr;
    QTreeWidget* lvGolfer = nullptr;
    std::vector<QLabel*> lblCaption;
    std::vector<QLabel*> txtField;  // the identifier first
    QRadioButton* opt18 = nullptr;
    QRadioButton* opt9 = nullptr;
    QRadioButton* optLast20 = nullptr;
    QRadioButton* optThisYear = nullptr;
    QRadioButton* optAll = nullptr;
    QPushButton* cmdChart = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;

  private:
    void CreateControls();
    void LayOut();
    void Clear();
    void Chart();
    // Opens the charts; otherwise the warning that stopped it.
    std::string OpenChart();
    QString ChartTitle() const;

    const ReviewScreen& golfers_;  // the golfer review screens' list and fields
    ReviewPicker* picker_ = nullptr;
};

}  // namespace parlow::reports
