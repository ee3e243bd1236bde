#pragma once
// The golfer screens as the main window opens them. Each returns the screen
// widget, titled with its caption; its eXit button closes the window it sits
// in (the enclosing sub-window inside the main window).
class QWidget;

namespace parlow::golfers {

QWidget* CreateAddGolferScreen(QWidget* parent = nullptr);
QWidget* CreateEditGolferScreen(QWidget* parent = nullptr);
QWidget* CreateRemoveGolferScreen(QWidget* parent = nullptr);

}  // namespace parlow::golfers
