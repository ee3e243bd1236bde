#include "app/windows/ScreenClosingKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace parlow {
namespace {

bool IsClosingKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) ||
           (key->key() == Qt::Key_F4 && modifiers == Qt::ControlModifier);
}

}  // namespace

ScreenClosingKeys::ScreenClosingKeys(QWidget* frame, QMdiArea* area)
    : QObject(frame), frame_(frame), area_(area) {
    qApp->installEventFilter(this);
}

// Taken as a shortcut override, so that no shortcut of a screen (a report's
// own Esc, its Ctrl+W) answers the same key as well.
bool ScreenClosingKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    // A drop-down list or calendar is a pop-up window of its own, so its Esc
    // never comes from inside the frame.
    if (widget == nullptr || widget->window() != frame_ ||
        QApplication::activePopupWidget() != nullptr) {
        return false;
    }
    QMdiSubWindow* front = area_->activeSubWindow();
    if (front == nullptr || !IsClosingKey(static_cast<QKeyEvent*>(event))) {
        return false;
    }
    event->accept();
    if (type == QEvent::KeyPress) {
        front->close();
    }
    return true;
}

}  // namespace parlow
