#include "OptionCaptionLight.h"

#include <QAbstractButton>
#include <QEvent>

#include "FieldBehaviour.h"

namespace courses {
namespace {

void SetTextLook(QAbstractButton* option, const QColor& colour, bool bold) {
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    option->setPalette(palette);
    QFont font = option->font();
    font.setBold(bold);
    option->setFont(font);
}

}  // namespace

OptionCaptionLight::OptionCaptionLight(QColor lit, bool bold, QObject* parent)
    : QObject(parent), lit_(lit), bold_(bold) {}

void OptionCaptionLight::Watch(QAbstractButton* option) {
    option->installEventFilter(this);
}

bool OptionCaptionLight::eventFilter(QObject* watched, QEvent* event) {
    auto* option = qobject_cast<QAbstractButton*>(watched);
    if (option == nullptr) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        SetTextLook(option, lit_, bold_);
    } else if (event->type() == QEvent::FocusOut) {
        SetTextLook(option, parlow::kCaptionBlack, false);
    }
    return false;
}

}  // namespace courses
