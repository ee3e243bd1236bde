#pragma once
// The game screens as the main window opens them. Each returns the screen
// widget, titled with its caption; its eXit button closes the window it sits
// in (the enclosing sub-window inside the main window).
class QWidget;

namespace parlow::games {

QWidget* CreateAddGameScreen(QWidget* parent = nullptr);
QWidget* CreateRemoveGameScreen(QWidget* parent = nullptr);

}  // namespace parlow::games
