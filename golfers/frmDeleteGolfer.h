#pragma once
// The golfer removal screen: lists the golfers, shows the one chosen, and
// removes it with all of its games through DeleteGolfer.
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace parlow::golfers {

class frmDeleteGolfer : public QWidget {
    Q_OBJECT
  public:
    explicit frmDeleteGolfer(QWidget* parent = nullptr);

    QLabel* lblHeading = nullptr;
    QTreeWidget* lvGolfer = nullptr;
    QLabel* lblGolferID = nullptr;
    QLabel* lblFullName = nullptr;
    QLabel* lblAddress = nullptr;
    QLabel* lblClub = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;

  private:
    void CreateControls();
    void LayOut();
    void FillList();
    void ShowGolfer(QTreeWidgetItem* row);
    void Remove();
    void Clear();
};

}  // namespace parlow::golfers
