#include "app/windows/WindowMenu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <map>

#include "ui/WindowDetail.h"

namespace parlow {

namespace {

// Numbered like every multiple-document program's list: "&1 Title".
QString EntryText(int number, const QString& title) {
    QString escaped = title;
    escaped.replace('&', "&&");
    return number < 10 ? QString("&%1 %2").arg(number).arg(escaped)
                       : QString("%1 %2").arg(number).arg(escaped);
}

// The caption, and for a caption shared with another open window what tells
// them apart: the window's own detail, or its number among them.
QList<QString> ListedTitles(const QList<QMdiSubWindow*>& windows) {
    std::map<QString, int> shared;
    for (const QMdiSubWindow* window : windows) {
        ++shared[window->windowTitle()];
    }
    std::map<QString, int> seen;
    QList<QString> titles;
    for (const QMdiSubWindow* window : windows) {
        const QString title = window->windowTitle();
        const int number = ++seen[title];
        if (shared[title] < 2) {
            titles.append(title);
            continue;
        }
        QString detail = WindowDetail(window);
        if (detail.isEmpty()) {
            detail = WindowDetail(window->widget());
        }
        titles.append(detail.isEmpty() ? QString("%1 (%2)").arg(title).arg(number)
                                       : QString("%1 \u2014 %2").arg(title, detail));
    }
    return titles;
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
    const QList<QString> titles = ListedTitles(windows);
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        QAction* entry = menu_->addAction(EntryText(number + 1, titles[number]));
        ++number;
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
