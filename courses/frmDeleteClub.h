#pragma once
// The course removal screen: lists the courses, shows the one chosen, and
// removes it with all of its games through DeleteClub.
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace parlow::courses {

class frmDeleteClub : public QWidget {
    Q_OBJECT
  public:
    explicit frmDeleteClub(QWidget* parent = nullptr);

    QLabel* lblHeading = nullptr;
    QTreeWidget* lvClub = nullptr;
    QLabel* lblID = nullptr;
    QLabel* lblClub = nullptr;
    QLabel* lblCity = nullptr;
    QLabel* lblTees = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;

  private:
    void CreateControls();
    void LayOut();
    void FillCourseView();
    void ShowSelectedCourse(QTreeWidgetItem* row);
    void Remove();
    void Clear();
};

}  // namespace parlow::courses
