#include "app/windows/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace parlow {

QImage DrawProgramIcon(int size) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 139, 34));
    painter.drawEllipse(QRectF(4, 40, 56, 20));
    painter.setBrush(QColor(20, 60, 20));
    painter.drawEllipse(QRectF(26, 49, 10, 4));

    painter.setPen(QPen(QColor(60, 60, 60), 2.5));
    painter.drawLine(QPointF(31, 51), QPointF(31, 6));

    QPainterPath flag;
    flag.moveTo(32, 6);
    flag.lineTo(54, 13);
    flag.lineTo(32, 20);
    flag.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 30, 30));
    painter.drawPath(flag);

    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.drawEllipse(QRectF(40, 44, 7, 7));
    painter.end();
    return picture;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(size)));
    }
    return icon;
}

}  // namespace parlow
