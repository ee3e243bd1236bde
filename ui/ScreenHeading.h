#pragma once
// The heading at the top of a screen that repeats its caption.
#include <QLabel>

namespace parlow {

inline QLabel* NewHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

}  // namespace parlow
