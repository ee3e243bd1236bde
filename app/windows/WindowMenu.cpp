#include "app/windows/WindowMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace parlow {

namespace {

// Numbered like every multiple-document program's list: "&1 Title".
QString EntryText(int number, const QString& title) {
    QString escaped = title;
    escaped.replace('&', "&&");
    return number < 10 ? QString("&%1 %2").arg(number).arg(escaped)
                       : QString("%1 %2").arg(number).arg(escaped);
}

}  // namespace

WindowMenu::WindowMenu(QMenu* menu, QMdiArea* area) : QObject(menu), menu_(menu), area_(area) {
    connect(menu_, &QMenu::aboutToShow, this, &WindowMenu::ListOpenWindows);
    connect(area_, &QMdiArea::subWindowActivated, this, &WindowMenu::ListOpenWindows);
}

void WindowMenu::ListOpenWindows() {
    for (QAction* entry : listed_) {
        menu_->removeAction(entry);
        entry->deleteLater();
    }
    listed_.clear();
    if (divider_ != nullptr) {
        menu_->removeAction(divider_);
        divider_->deleteLater();
        divider_ = nullptr;
    }
    const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    divider_ = menu_->addSeparator();
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        QAction* entry = menu_->addAction(EntryText(++number, window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == area_->activeSubWindow());
        QPointer<QMdiSubWindow> target(window);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (target.isNull()) {
                return;
            }
            if (target->isMinimized()) {
                target->showNormal();
            }
            area_->setActiveSubWindow(target);
            target->raise();
        });
        listed_.append(entry);
    }
}

}  // namespace parlow
