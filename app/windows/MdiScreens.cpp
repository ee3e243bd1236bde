#include "app/windows/MdiScreens.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "app/windows/ScrollingScreen.h"
#include "app/windows/TypedText.h"
#include "ui/WindowArrangement.h"

namespace parlow {

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
    WatchTypedText(screen);
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
    TileWindows(area_, Stacking::OneAboveTheOther);
}

void MdiScreens::TileVertically() {
    TileWindows(area_, Stacking::SideBySide);
}

void MdiScreens::ArrangeIcons() {
    ArrangeIconWindows(area_);
}

}  // namespace parlow
