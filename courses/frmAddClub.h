#pragma once
// The course entry screen: records a new course through AddClub.
#include <QWidget>

class QLabel;

namespace parlow::courses {

class CourseForm;

class frmAddClub : public QWidget {
    Q_OBJECT
  public:
    explicit frmAddClub(QWidget* parent = nullptr);

    QLabel* lblHeading = nullptr;
    CourseForm* form = nullptr;

  private:
    void Save();
    void Clear();
};

}  // namespace parlow::courses
