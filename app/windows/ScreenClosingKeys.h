#pragma once
// Ctrl+F4 and Esc close the screen in front, as Ctrl+W does. Esc belongs to
// an open drop-down list or calendar first: it only closes that. Keys typed
// in a message box or another window of its own are not the screens'.
#include <QObject>

class QMdiArea;
class QWidget;

namespace parlow {

class ScreenClosingKeys : public QObject {
    Q_OBJECT
  public:
    // Watches the keys pressed anywhere in `frame`, whose child windows are
    // in `area`.
    ScreenClosingKeys(QWidget* frame, QMdiArea* area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* frame_;
    QMdiArea* area_;
};

}  // namespace parlow
