#include "app/windows/ScreenAccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace parlow {
namespace {

bool Usable(const QWidget* widget) {
    return widget != nullptr && widget->isVisible() && widget->isEnabled();
}

// The key as an access key (Alt and a key, maybe with Shift), or nothing.
QKeySequence AccessKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::ControlModifier) ||
        modifiers.testFlag(Qt::MetaModifier) || key->key() == Qt::Key_Alt) {
        return {};
    }
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(key->key())));
}

void Press(QWidget* target) {
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        if (button->focusPolicy() != Qt::NoFocus) {
            button->setFocus(Qt::ShortcutFocusReason);
        }
        button->animateClick();
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->buddy()->setFocus(Qt::ShortcutFocusReason);
    }
}

}  // namespace

ScreenAccessKeys::ScreenAccessKeys(QWidget* frame, QMdiArea* area)
    : QObject(frame), frame_(frame), area_(area) {
    // The keys go to the focused field, anywhere below the frame.
    qApp->installEventFilter(this);
}

QWidget* ScreenAccessKeys::ScreenTarget(const QKeyEvent* key) const {
    const QKeySequence pressed = AccessKey(key);
    QMdiSubWindow* front = area_->activeSubWindow();
    if (pressed.isEmpty() || front == nullptr || front->widget() == nullptr) {
        return nullptr;
    }
    for (QWidget* widget : front->widget()->findChildren<QWidget*>()) {
        if (!Usable(widget)) {
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && QKeySequence::mnemonic(button->text()) == pressed) {
            return button;
        }
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && Usable(label->buddy()) && QKeySequence::mnemonic(label->text()) == pressed) {
            return label;
        }
    }
    return nullptr;
}

// Qt first offers a key to the focused widget as a shortcut override; taking
// it there keeps the menu bar's shortcut from firing, and the key press that
// follows presses the screen's own control.
bool ScreenAccessKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != frame_) {
        return false;
    }
    QWidget* target = ScreenTarget(static_cast<QKeyEvent*>(event));
    if (target == nullptr) {
        return false;
    }
    event->accept();
    if (type == QEvent::KeyPress) {
        Press(target);
    }
    return true;
}

}  // namespace parlow
