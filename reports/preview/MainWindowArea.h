#pragma once
// The main window's multiple-document area, where report windows open.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

namespace parlow::reports {

// nullptr when there is no main window (a screen standing alone).
inline QMdiArea* MainWindowArea() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            if (auto* area = qobject_cast<QMdiArea*>(main->centralWidget())) {
                return area;
            }
        }
    }
    return nullptr;
}

}  // namespace parlow::reports
