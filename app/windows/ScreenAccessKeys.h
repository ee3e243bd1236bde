#pragma once
// The access keys of the screen in front win over the menu bar's: Alt+R on
// a screen with a "&Remove" button presses it instead of opening "&Reports".
// A button's key presses it, a label's key puts the focus in its buddy, as
// Qt does; keys the screen does not use still open the menus.
#include <QObject>

class QKeyEvent;
class QMdiArea;
class QWidget;

namespace parlow {

class ScreenAccessKeys : public QObject {
    Q_OBJECT
  public:
    // Watches the keys pressed anywhere in `frame`, whose child windows are
    // in `area`.
    ScreenAccessKeys(QWidget* frame, QMdiArea* area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The button or buddied label of the front screen that the key names.
    QWidget* ScreenTarget(const QKeyEvent* key) const;

    QWidget* frame_;
    QMdiArea* area_;
};

}  // namespace parlow
