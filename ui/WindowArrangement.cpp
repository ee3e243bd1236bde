#include "ui/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>

namespace parlow {

namespace {

QList<QMdiSubWindow*> Windows(QMdiArea* area, bool minimised, QMdiArea::WindowOrder order) {
    QList<QMdiSubWindow*> chosen;
    for (QMdiSubWindow* window : area->subWindowList(order)) {
        if (window->isVisible() && window->isMinimized() == minimised) {
            chosen.append(window);
        }
    }
    return chosen;
}

// The room above the row of minimised windows, which arranging leaves free.
QRect ArrangingRoom(QMdiArea* area) {
    QRect room = area->viewport()->rect();
    int iconRow = 0;
    for (QMdiSubWindow* icon : Windows(area, true, QMdiArea::CreationOrder)) {
        iconRow = std::max(iconRow, icon->height());
    }
    room.setBottom(room.bottom() - iconRow);
    return room;
}

// Height of a window's title bar and upper border: how far each window of a
// cascade stands below the one behind it, so every title stays readable.
int TitleStep(QMdiSubWindow* window) {
    const int inside = window->widget() != nullptr ? window->widget()->geometry().top() : 0;
    return std::max(inside, window->fontMetrics().height() + 8);
}

// How many places a cascade has before it starts again at the top left: each
// window keeps at least half the room each way (and room for its title).
int CascadePlaces(const QRect& room, int step) {
    const int keepWidth = std::max(room.width() / 2, step * 4);
    const int keepHeight = std::max(room.height() / 2, step * 2);
    const int across = (room.width() - keepWidth) / step;
    const int down = (room.height() - keepHeight) / step;
    return std::max(1, std::min(across, down) + 1);
}

}  // namespace

void CascadeWindows(QMdiArea* area) {
    const QList<QMdiSubWindow*> windows = Windows(area, false, QMdiArea::StackingOrder);
    if (windows.isEmpty()) {
        return;
    }
    const QRect room = ArrangingRoom(area);
    const int step = TitleStep(windows.front());
    const int places = CascadePlaces(room, step);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized()) {
            window->showNormal();
        }
        const int place = i % places;
        const QPoint at = room.topLeft() + QPoint(place * step, place * step);
        const QSize left(room.right() + 1 - at.x(), room.bottom() + 1 - at.y());
        window->setGeometry(QRect(at, window->sizeHint().boundedTo(left)));
        window->raise();
    }
}

void TileWindows(QMdiArea* area, Stacking stacking) {
    const QList<QMdiSubWindow*> windows = Windows(area, false, QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    const QRect room = ArrangingRoom(area);
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized()) {
            window->showNormal();
        }
        if (stacking == Stacking::OneAboveTheOther) {
            const int top = room.top() + room.height() * i / count;
            const int bottom = room.top() + room.height() * (i + 1) / count;
            window->setGeometry(room.left(), top, room.width(), bottom - top);
        } else {
            const int left = room.left() + room.width() * i / count;
            const int right = room.left() + room.width() * (i + 1) / count;
            window->setGeometry(left, room.top(), right - left, room.height());
        }
    }
}

void ArrangeIconWindows(QMdiArea* area) {
    const QRect room = area->viewport()->rect();
    int left = room.left();
    int bottom = room.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* icon : Windows(area, true, QMdiArea::CreationOrder)) {
        if (left > room.left() && left + icon->width() > room.right() + 1) {
            left = room.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        icon->move(left, bottom - icon->height());
        left += icon->width();
        rowHeight = std::max(rowHeight, icon->height());
    }
}

}  // namespace parlow
