#pragma once
// Child windows of the main window. Each screen is open at most once: asking
// for it again brings the open one to the front. Every opening cascades.
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

    void Cascade();
    void TileHorizontally();
    void TileVertically();
    // Lines the minimised windows up along the bottom, left to right.
    void ArrangeIcons();

  private:
    QMdiSubWindow* Add(const QString& name, QWidget* screen);

    QMdiArea* area_;
};

}  // namespace parlow
