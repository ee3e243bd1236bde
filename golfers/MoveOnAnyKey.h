#pragma once
// The sex options hand the focus on to the next field at any key, so the
// golfer's entry flows on from the choice. The key still works on the option
// first: Space chooses it, the arrows choose the other one. Tab, Shift-Tab
// and the modifier keys keep their usual roles.
#include <QObject>

class QAbstractButton;
class QWidget;

namespace parlow::golfers {

class MoveOnAnyKey : public QObject {
    Q_OBJECT
  public:
    MoveOnAnyKey(QWidget* next, QObject* parent);
    void Watch(QAbstractButton* option);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* next_;
};

}  // namespace parlow::golfers
