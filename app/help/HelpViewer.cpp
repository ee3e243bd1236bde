#include "app/help/HelpViewer.h"

#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "app/help/HelpWindow.h"
#include "ui/ProgramState.h"

namespace parlow {
namespace {

// One help window at a time, as the platform's help viewer behaves.
QPointer<HelpWindow>& OpenHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

// Over the middle of the program's window, inside the desktop.
void CentreOver(QWidget* window, const QWidget* parent) {
    if (parent == nullptr) {
        return;
    }
    const QRect over = parent->window()->frameGeometry();
    QRect place(QPoint(), window->size());
    place.moveCenter(over.center());
    if (const QScreen* screen = parent->screen()) {
        const QRect desktop = screen->availableGeometry();
        place.moveLeft(
            std::max(desktop.left(), std::min(place.left(), desktop.right() - place.width())));
        place.moveTop(
            std::max(desktop.top(), std::min(place.top(), desktop.bottom() - place.height())));
    }
    window->move(place.topLeft());
}

void BringToFront(HelpWindow* window) {
    window->ShowContents();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void ShowHelpContents(QWidget* parent) {
    try {
        QPointer<HelpWindow>& window = OpenHelpWindow();
        if (window == nullptr) {
            auto help = ReadHelpFile(ProgramFolder() / "help" / "plg.hlp");
            if (!help) {
                return;
            }
            window = new HelpWindow(std::move(*help), parent);
            window->setAttribute(Qt::WA_DeleteOnClose);
            CentreOver(window, parent);
        }
        BringToFront(window);
    } catch (...) {
        // Help is a convenience: a failure leaves the program as it was.
    }
}

}  // namespace parlow
