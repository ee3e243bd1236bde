#pragma once
// Child windows of the main window. Each screen is open at most once: asking
// for it again brings the open one to the front. Every opening cascades.
// A screen laid out by a layout of its own scrolls inside its window rather
// than being crushed, and keeps its rows together in a larger window
// (ScrollingScreen); the window stays the screen's own (widget() is it).
#include <QString>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace parlow {

// Makes a new screen, or nullptr while the screen has not been built.
using ScreenMaker = std::function<QWidget*()>;

class MdiScreens {
  public:
    explicit MdiScreens(QMdiArea* area) : area_(area) {}

    // The open window of the named screen, or nullptr.
    QMdiSubWindow* Find(const QString& name) const;

    // Brings the named screen to the front, making it first when it is not
    // open; then cascades. Nothing opens when `make` gives nothing.
    QMdiSubWindow* Open(const QString& name, const ScreenMaker& make);

    // As CascadeWindows arranges them (WindowArrangement.h).
    void Cascade();
    void TileHorizontally();
    void TileVertically();
    void ArrangeIcons();

  private:
    QMdiSubWindow* Add(const QString& name, QWidget* screen);

    QMdiArea* area_;
};

}  // namespace parlow
