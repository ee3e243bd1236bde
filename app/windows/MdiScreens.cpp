#include "app/windows/MdiScreens.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>

#include "app/windows/ScrollingScreen.h"

namespace parlow {

namespace {

QList<QMdiSubWindow*> Windows(QMdiArea* area, bool minimised) {
    QList<QMdiSubWindow*> chosen;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isVisible() && window->isMinimized() == minimised) {
            chosen.append(window);
        }
    }
    return chosen;
}

// The room above the row of minimised windows, which tiling leaves free.
QRect TilingRoom(QMdiArea* area) {
    QRect room = area->viewport()->rect();
    int iconRow = 0;
    for (QMdiSubWindow* icon : Windows(area, true)) {
        iconRow = std::max(iconRow, icon->height());
    }
    room.setBottom(room.bottom() - iconRow);
    return room;
}

enum class Stacking { OneAboveTheOther, SideBySide };

void Tile(QMdiArea* area, Stacking stacking) {
    const QList<QMdiSubWindow*> windows = Windows(area, false);
    if (windows.isEmpty()) {
        return;
    }
    const QRect room = TilingRoom(area);
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

// Height of a window's title bar and upper border: how far each window of a
// cascade stands below the one behind it, so every title stays readable.
int TitleStep(QMdiSubWindow* window) {
    const int inside = window->widget() != nullptr ? window->widget()->geometry().top() : 0;
    return std::max(inside, window->fontMetrics().height() + 8);
}

// Each window at its opening size, one title bar lower and further right
// than the one behind it, cut to the room left (its screen scrolls); a new
// column starts where the windows would have less than half the height.
void CascadeWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::StackingOrder)) {
        if (window->isVisible() && !window->isMinimized()) {
            windows.append(window);
        }
    }
    if (windows.isEmpty()) {
        return;
    }
    const QRect room = TilingRoom(area);
    const int step = TitleStep(windows.front());
    const int perColumn = std::max(1, room.height() / 2 / step);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized()) {
            window->showNormal();
        }
        const int inColumn = i % perColumn;
        const QPoint at =
            room.topLeft() +
            QPoint(inColumn * step + i / perColumn * room.width() / 4, inColumn * step);
        const QSize size = window->sizeHint().boundedTo(
            QSize(std::max(room.right() + 1 - at.x(), step * 4), room.bottom() + 1 - at.y()));
        window->setGeometry(QRect(at, size));
        window->raise();
    }
}

}  // namespace

QMdiSubWindow* MdiScreens::Find(const QString& name) const {
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    return nullptr;
}

QMdiSubWindow* MdiScreens::Open(const QString& name, const ScreenMaker& make) {
    QMdiSubWindow* window = Find(name);
    if (window == nullptr) {
        QWidget* screen = make ? make() : nullptr;
        if (screen == nullptr) {
            return nullptr;
        }
        window = Add(name, screen);
    } else if (window->isMinimized()) {
        window->showNormal();
    }
    area_->setActiveSubWindow(window);
    window->raise();
    Cascade();
    return window;
}

QMdiSubWindow* MdiScreens::Add(const QString& name, QWidget* screen) {
    // A screen that closes itself (its Exit button) takes its frame with it,
    // so the next command opens it afresh.
    screen->setAttribute(Qt::WA_DeleteOnClose);
    LetScreenScroll(screen);
    QMdiSubWindow* window = area_->addSubWindow(screen);
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(screen, &QObject::destroyed, window, &QMdiSubWindow::close);
    window->show();
    return window;
}

void MdiScreens::Cascade() {
    CascadeWindows(area_);
}

void MdiScreens::TileHorizontally() {
    Tile(area_, Stacking::OneAboveTheOther);
}

void MdiScreens::TileVertically() {
    Tile(area_, Stacking::SideBySide);
}

void MdiScreens::ArrangeIcons() {
    const QRect room = area_->viewport()->rect();
    int left = room.left();
    int bottom = room.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* icon : Windows(area_, true)) {
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
