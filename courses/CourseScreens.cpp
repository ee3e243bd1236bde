#include "CourseScreens.h"

#include "frmAddClub.h"
#include "frmDeleteClub.h"
#include "frmEditClub.h"

namespace courses {

QWidget* CreateAddCourseScreen(QWidget* parent) {
    return new frmAddClub(parent);
}

QWidget* CreateEditCourseScreen(QWidget* parent) {
    return new frmEditClub(parent);
}

QWidget* CreateRemoveCourseScreen(QWidget* parent) {
    return new frmDeleteClub(parent);
}

}  // namespace courses
