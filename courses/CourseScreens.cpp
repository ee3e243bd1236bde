#include "courses/CourseScreens.h"

#include "courses/frmAddClub.h"
#include "courses/frmDeleteClub.h"
#include "courses/frmEditClub.h"

namespace parlow::courses {

QWidget* CreateAddCourseScreen(QWidget* parent) {
    return new frmAddClub(parent);
}

QWidget* CreateEditCourseScreen(QWidget* parent) {
    return new frmEditClub(parent);
}

QWidget* CreateRemoveCourseScreen(QWidget* parent) {
    return new frmDeleteClub(parent);
}

}  // namespace parlow::courses
