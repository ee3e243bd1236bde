#pragma once
// Keys the front screen answers before anything else in the main window:
// pressed anywhere in the frame, they are taken as a shortcut override, so
// that no shortcut of the menu bar or of a screen answers the same key as
// well, and the key press that follows acts. Keys typed in a message box or
// another window of its own are not the screens'.
#include <QObject>

class QKeyEvent;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace parlow {

class FrontScreenKeys : public QObject {
    Q_OBJECT
  protected:
    // Watches the keys pressed anywhere in `frame`, whose child windows are
    // in `area`.
    FrontScreenKeys(QWidget* frame, QMdiArea* area);

    // Whether `key` is one of these keys while `front` (maybe none) is the
    // front screen.
    virtual bool Takes(const QKeyEvent* key, QMdiSubWindow* front) const = 0;
    virtual void Act(const QKeyEvent* key, QMdiSubWindow* front) = 0;

    bool eventFilter(QObject* watched, QEvent* event) final;

  private:
    QWidget* frame_;
    QMdiArea* area_;
};

}  // namespace parlow
