#pragma once
// The course edit screen: a course chosen from the list at the top is shown
// in the course form and saved back through UpdateClub.
#include <QWidget>
#include <array>
#include <string>

class QComboBox;
class QLabel;

namespace parlow::courses {

class CourseForm;

class frmEditClub : public QWidget {
    Q_OBJECT
  public:
    explicit frmEditClub(QWidget* parent = nullptr);

    QLabel* lblHeading = nullptr;
    QLabel* lblClub = nullptr;
    // cboClub[0] shows "name - tees"; the hidden cboClub[1] holds the ClubID
    // at the same position, and is moved in step with it.
    std::array<QComboBox*, 2> cboClub{};
    CourseForm* form = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateSelection();
    void FillCourseList();
    void LoadSelectedCourse();
    std::string LoadedClubID() const;
    void Save();
    void Clear();
};

}  // namespace parlow::courses
