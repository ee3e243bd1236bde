#include "app/windows/ScreenClosingKeys.h"

#include <QApplication>
#include <QKeyEvent>
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

// A drop-down list or calendar is a pop-up window of its own, so its Esc
// never comes from inside the frame; while one is open, none of these keys
// is the screen's.
bool ScreenClosingKeys::Takes(const QKeyEvent* key, QMdiSubWindow* front) const {
    return QApplication::activePopupWidget() == nullptr && front != nullptr && IsClosingKey(key);
}

void ScreenClosingKeys::Act(const QKeyEvent*, QMdiSubWindow* front) {
    front->close();
}

}  // namespace parlow
