// The Parlow's Log: a golf log for one golfer's own machine.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <cstring>

#include "Platform.h"
#include "QtPrompts.h"
#include "cli/ReportCommandLine.h"
#include "modMain.h"

namespace {

// For start-up timing: ends the program once its main window has been drawn.
class QuitWhenDrawn : public QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    // A report from the command line opens no window and takes no lock.
    if (parlow::reports::IsReportCommandLine(argc, argv)) {
        return parlow::reports::RunReportCommandLine(argc, argv);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Parlow's Log");
    QApplication::setApplicationVersion("3.1.0");

    parlow::QtPrompts prompts;
    zeviza::InstallPrompts(&prompts);

    parlow::StartupOptions options;
    bool exitWhenShown = false;
    for (int i = 1; i < argc; ++i) {
        // Scripted runs and screenshots have no use for eight seconds of splash.
        if (std::strcmp(argv[i], "--no-splash") == 0) {
            options.showSplash = false;
        } else if (std::strcmp(argv[i], "--exit-when-shown") == 0) {
            exitWhenShown = true;
        }
    }
    parlow::StartupResult started = parlow::Main(options);
    if (!started.run) {
        return 0;
    }
    QuitWhenDrawn quitWhenDrawn;
    if (QWindow* shown = started.mainWindow->windowHandle(); exitWhenShown && shown != nullptr) {
        shown->installEventFilter(&quitWhenDrawn);
        if (shown->isExposed()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
    const int code = QApplication::exec();
    delete started.mainWindow;
    return code;
}
