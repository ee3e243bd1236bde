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

// The button or buddied label of the front screen that the key names.
QWidget* ScreenTarget(const QKeyEvent* key, QMdiSubWindow* front) {
    const QKeySequence pressed = AccessKey(key);
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

}  // namespace

bool ScreenAccessKeys::Takes(const QKeyEvent* key, QMdiSubWindow* front) const {
    return ScreenTarget(key, front) != nullptr;
}

void ScreenAccessKeys::Act(const QKeyEvent* key, QMdiSubWindow* front) {
    Press(ScreenTarget(key, front));
}

}  // namespace parlow
