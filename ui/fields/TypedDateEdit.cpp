#include "ui/fields/TypedDateEdit.h"

#include <QCalendarWidget>
#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace parlow {
namespace {

bool IsDateCharacter(const QString& text) {
    static const QRegularExpression kDateCharacter("^[0-9/.\\-]$");
    return kDateCharacter.match(text).hasMatch();
}

// The order of the field's display format ("MM/dd/yyyy" gives M, d, y).
QString FieldOrder(const QString& format) {
    QString order;
    for (const QChar c : format) {
        const QChar part = c.toLower() == 'm' ? 'm' : c;
        if ((part == 'm' || part == 'd' || part == 'y') && !order.contains(part)) {
            order.append(part);
        }
    }
    return order.size() == 3 ? order : QString("mdy");
}

}  // namespace

TypedDateEdit::TypedDateEdit(QWidget* parent) : QDateEdit(parent) {}

// The popup is this field's child, polished as it first shows: by then the
// calendar exists, and asking for it makes no other.
bool TypedDateEdit::event(QEvent* event) {
    if (event->type() == QEvent::ChildPolished && !calendarHooked_ && calendarPopup()) {
        auto* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) {
            calendarHooked_ = true;
            connect(calendarWidget(), &QCalendarWidget::clicked, this,
                    &TypedDateEdit::CalendarDayClicked);
        }
    }
    return QDateEdit::event(event);
}

QDate TypedDateEdit::ReadTyped(const QString& text) const {
    static const QRegularExpression kWholeDate("^(\\d{1,4})[/.\\-](\\d{1,2})[/.\\-](\\d{1,4})$");
    const QRegularExpressionMatch match = kWholeDate.match(text.trimmed());
    if (!match.hasMatch()) {
        return {};
    }
    const QString order = FieldOrder(displayFormat());
    int parts[3] = {};
    QString yearText;
    for (int i = 0; i < 3; ++i) {
        parts[order.indexOf(QString("mdy").at(i))] = i;
    }
    const int month = match.captured(parts[0] + 1).toInt();
    const int day = match.captured(parts[1] + 1).toInt();
    yearText = match.captured(parts[2] + 1);
    int year = yearText.toInt();
    if (yearText.size() == 2) {
        year += 2000;  // the field offers no date before 2000
    } else if (yearText.size() != 4) {
        return {};
    }
    const QDate date(year, month, day);
    return date.isValid() && date >= minimumDate() && date <= maximumDate() ? date : QDate();
}

void TypedDateEdit::focusInEvent(QFocusEvent* event) {
    StopTyping();
    QDateEdit::focusInEvent(event);
}

void TypedDateEdit::focusOutEvent(QFocusEvent* event) {
    StopTyping();
    QDateEdit::focusOutEvent(event);
}

void TypedDateEdit::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && IsDateCharacter(event->text())) {
        if (!typing_) {
            typing_ = true;
            typed_.clear();
            taken_ = date();
        }
        typed_ += event->text();
        ShowTyped();
        event->accept();
        return;
    }
    if (typing_ && plain && event->key() == Qt::Key_Backspace) {
        typed_.chop(1);
        ShowTyped();
        event->accept();
        return;
    }
    StopTyping();
    QDateEdit::keyPressEvent(event);
}

// What was typed stays as typed until the field is left.
// Unheard by the editor underneath, which would read the text section by
// section and put its own back.
void TypedDateEdit::ShowTyped() {
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(typed_);
}

// Leaving the field, or a key other than the date's own, ends the typing:
// the field takes the date typed when it is a whole one, and otherwise keeps
// the one it had. The editor underneath may have read a half-typed text its
// own way meanwhile.
void TypedDateEdit::StopTyping() {
    if (!typing_) {
        return;
    }
    typing_ = false;
    if (const QDate whole = ReadTyped(typed_); whole.isValid()) {
        taken_ = whole;
    }
    typed_.clear();
    setDate(taken_);
    lineEdit()->setText(textFromDateTime(QDateTime(taken_, time())));
}

QValidator::State TypedDateEdit::validate(QString& input, int& pos) const {
    if (typing_) {
        return QValidator::Intermediate;
    }
    return QDateEdit::validate(input, pos);
}

}  // namespace parlow
