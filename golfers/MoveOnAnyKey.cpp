#include "golfers/MoveOnAnyKey.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace parlow::golfers {
namespace {

bool KeepsItsRole(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
            return true;
        default:
            return false;
    }
}

bool IsArrow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

}  // namespace

MoveOnAnyKey::MoveOnAnyKey(QWidget* next, QObject* parent) : QObject(parent), next_(next) {}

void MoveOnAnyKey::Watch(QAbstractButton* option) {
    option->installEventFilter(this);
}

bool MoveOnAnyKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (KeepsItsRole(key)) {
        return false;
    }
    auto* option = qobject_cast<QAbstractButton*>(watched);
    if (option != nullptr && key == Qt::Key_Space) {
        // A button clicks on the release of Space, which would land on the
        // next field: click it now.
        option->click();
    } else if (option != nullptr && IsArrow(key)) {
        static_cast<QObject*>(option)->event(event);
    }
    next_->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace parlow::golfers
