#pragma once
// The course screens as the main window opens them. Each returns the screen
// widget, titled with its caption; its eXit button closes the window it sits
// in (the enclosing sub-window inside the main window).
class QWidget;

namespace parlow::courses {

QWidget* CreateAddCourseScreen(QWidget* parent = nullptr);
QWidget* CreateEditCourseScreen(QWidget* parent = nullptr);
QWidget* CreateRemoveCourseScreen(QWidget* parent = nullptr);

}  // namespace parlow::courses
