#include "app/windows/FrontScreenKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>

namespace parlow {

FrontScreenKeys::FrontScreenKeys(QWidget* frame, QMdiArea* area)
    : QObject(frame), frame_(frame), area_(area) {
    // The keys go to the focused field, anywhere below the frame.
    qApp->installEventFilter(this);
}

bool FrontScreenKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != frame_) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    QMdiSubWindow* front = area_->activeSubWindow();
    if (!Takes(key, front)) {
        return false;
    }
    event->accept();
    if (type == QEvent::KeyPress) {
        Act(key, front);
    }
    return true;
}

}  // namespace parlow
