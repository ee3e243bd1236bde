#include "ui/fields/ValueLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace parlow {

ValueLabel::ValueLabel(QWidget* parent, int widthChars) : QLabel(parent), widthChars_(widthChars) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

// As QLabel places its text: inside the frame and margin, indented by half
// an "x" when framed.
QRect ValueLabel::TextRect() const {
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0) {
        indent = fontMetrics().horizontalAdvance('x') / 2;
    }
    return room.adjusted(indent > 0 ? indent : 0, 0, 0, 0);
}

QString ValueLabel::ShownText() const {
    const QString value = text();
    const int room = TextRect().width();
    // A value of several lines shows its first, marked as cut short, so the
    // label stays one line high.
    if (const qsizetype lineEnd = value.indexOf('\n'); lineEnd >= 0) {
        return fontMetrics().elidedText(value.left(lineEnd) + QChar(0x2026), Qt::ElideRight, room);
    }
    return fontMetrics().elidedText(value, Qt::ElideRight, room);
}

QSize ValueLabel::sizeHint() const {
    const QMargins frame = contentsMargins();
    const int indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance('x') / 2 : 0;
    return {fontMetrics().averageCharWidth() * widthChars_ + frame.left() + frame.right() +
                2 * margin() + indent,
            fontMetrics().height() + frame.top() + frame.bottom() + 2 * margin()};
}

QSize ValueLabel::minimumSizeHint() const {
    return sizeHint();
}

bool ValueLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && IsElided()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void ValueLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, TextRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), ShownText(), foregroundRole());
}

}  // namespace parlow
