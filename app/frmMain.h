#pragma once
// The main window: a multiple-document frame whose menus lead to every screen.
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

#include "app/windows/MdiScreens.h"

class QMdiArea;
class QMenu;

namespace parlow {

class WindowMenu;

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdi_; }
    MdiScreens& Screens() { return screens_; }
    WindowMenu* Windows() const { return windowMenu_; }

    // Runs the named command's record checks and, when they pass, opens its
    // screen (or brings it to the front).
    void RunScreenCommand(const std::string& name);
    // Puts another screen behind a command: the screens built later, and tests.
    void WireScreen(const std::string& name, ScreenMaker make);

  protected:
    // Closing the frame (its close button, Alt+F4) first asks whether to
    // drop what was typed on a screen and not saved; then it closes each
    // child, so each runs its own closing steps; a child that refuses keeps
    // the program running.
    void closeEvent(QCloseEvent* event) override;

  private:
    bool HoldsTypedText() const;
    void Load();
    void PlaceOnScreen();
    void BuildMenus();
    QMenu* AddMenu(const char* caption, const char* name);
    void AddItem(QMenu* menu, const char* caption, const char* name, std::function<void()> run);
    void AddScreenItem(QMenu* menu, const char* caption, const char* name);
    void AddWebItem(QMenu* menu, const char* caption, const char* name, const char* address);
    void ShowAbout();

    QMdiArea* mdi_;
    MdiScreens screens_;
    std::map<std::string, ScreenMaker> makers_;
    WindowMenu* windowMenu_ = nullptr;
};

}  // namespace parlow
