// The Parlow's Log: a golf log for one golfer's own machine.
#include <QApplication>
#include <QMainWindow>
#include <cstring>

#include "Platform.h"
#include "QtPrompts.h"
#include "modMain.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Parlow's Log");
    QApplication::setApplicationVersion("3.1.0");

    parlow::QtPrompts prompts;
    zeviza::InstallPrompts(&prompts);

    parlow::StartupOptions options;
    for (int i = 1; i < argc; ++i) {
        // Scripted runs and screenshots have no use for eight seconds of splash.
        if (std::strcmp(argv[i], "--no-splash") == 0) {
            options.showSplash = false;
        }
    }
    parlow::StartupResult started = parlow::Main(options);
    if (!started.run) {
        return 0;
    }
    const int code = QApplication::exec();
    delete started.mainWindow;
    return code;
}
