#include "HelpViewer.h"

#include <QPointer>

#include "HelpWindow.h"
#include "ProgramState.h"

namespace parlow {
namespace {

// One help window at a time, as the platform's help viewer behaves.
QPointer<HelpWindow>& OpenHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
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
        }
        BringToFront(window);
    } catch (...) {
        // Help is a convenience: a failure leaves the program as it was.
    }
}

}  // namespace parlow
