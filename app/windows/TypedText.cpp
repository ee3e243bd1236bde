#include "app/windows/TypedText.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

namespace parlow {
namespace {

constexpr const char* kTypedProperty = "parlowTypedText";

void RememberTyped(QWidget* field, const QString& text) {
    field->setProperty(kTypedProperty, text.trimmed());
}

bool StillTyped(const QWidget* field, const QString& text) {
    const QVariant typed = field->property(kTypedProperty);
    const QString now = text.trimmed();
    return typed.isValid() && !now.isEmpty() && now == typed.toString();
}

// A plain-text box tells no typing from text set by the screen: what it
// holds after a key press or a paste is what was typed.
class NotesTyping : public QObject {
  public:
    explicit NotesTyping(QPlainTextEdit* box) : QObject(box) { box->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::InputMethod || type == QEvent::Drop) {
            QPointer<QPlainTextEdit> box(static_cast<QPlainTextEdit*>(watched));
            QTimer::singleShot(0, box, [box] { RememberTyped(box, box->toPlainText()); });
        }
        return false;
    }
};

// A number in a spin box or the date of a date field always has a value;
// only text fields hold typing that could be lost.
bool IsTextField(const QLineEdit* field) {
    return qobject_cast<QAbstractSpinBox*>(field->parentWidget()) == nullptr;
}

}  // namespace

void WatchTypedText(QWidget* screen) {
    for (QLineEdit* field : screen->findChildren<QLineEdit*>()) {
        if (IsTextField(field)) {
            QObject::connect(field, &QLineEdit::textEdited, field,
                             [field](const QString& text) { RememberTyped(field, text); });
        }
    }
    for (QPlainTextEdit* box : screen->findChildren<QPlainTextEdit*>()) {
        new NotesTyping(box);
    }
}

bool HoldsTypedText(const QWidget* screen) {
    for (const QLineEdit* field : screen->findChildren<QLineEdit*>()) {
        if (field->isVisibleTo(screen) && !field->isReadOnly() &&
            StillTyped(field, field->text())) {
            return true;
        }
    }
    for (const QPlainTextEdit* box : screen->findChildren<QPlainTextEdit*>()) {
        if (box->isVisibleTo(screen) && !box->isReadOnly() && StillTyped(box, box->toPlainText())) {
            return true;
        }
    }
    return false;
}

}  // namespace parlow
