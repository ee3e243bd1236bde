// The Parlow's Log: a golf log for one golfer's own machine.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <iostream>

#include "app/CommandLine.h"
#include "app/StartupCheck.h"
#include "app/modMain.h"
#include "games/RefigureCommand.h"
#include "reports/cli/ReportCommandLine.h"
#include "reports/export/CsvExport.h"
#include "transfer/ImportCommand.h"
#include "ui/Platform.h"
#include "ui/StandardErrorPrompts.h"
#include "ui/Terminal.h"

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
    // Answered before any window exists, so they work in a bare terminal.
    const parlow::CommandLine command = parlow::ParseCommandLine({argv + 1, argv + argc});
    switch (command.action) {
        case parlow::CommandLine::Action::ShowHelp:
            std::cout << parlow::CommandLineHelp();
            return parlow::kExitDone;
        case parlow::CommandLine::Action::ShowVersion:
            std::cout << parlow::VersionText() << '\n';
            return parlow::kExitDone;
        case parlow::CommandLine::Action::Refuse:
            std::cerr << command.error << '\n';
            return parlow::kExitUsage;
        case parlow::CommandLine::Action::Run:
            break;
    }
    if (command.recomputeNineHoleFigures) {
        return parlow::games::RunRefigureCommandLine(argc, argv);
    }
    // A report from the command line opens no window and takes no lock.
    if (command.report) {
        return parlow::reports::RunReportCommandLine(argc, argv, *command.report);
    }
    if (command.exportCsv) {
        return parlow::reports::RunCsvExport(argc, argv, command.exportCsv->what,
                                             command.exportCsv->golferId,
                                             command.exportCsv->csvFile);
    }
    // An import writes: it takes the single-copy lock, but opens no window.
    if (command.importCsv) {
        return parlow::transfer::RunImportCommandLine(argc, argv, command.importCsv->what,
                                                      command.importCsv->csvFile);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("Parlow's Log");
    QApplication::setApplicationVersion("3.1.0");
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName("com.parlowslog.parlow");

    const std::unique_ptr<zeviza::Prompts> prompts = parlow::ProgramPrompts();
    zeviza::InstallPrompts(prompts.get());

    parlow::StartupOptions options;
    options.showSplash = command.showSplash;
    const bool exitWhenShown = command.exitWhenShown;
    parlow::StartupResult started = parlow::Main(options);
    if (!started.run) {
        return started.status;
    }
    QuitWhenDrawn quitWhenDrawn;
    if (QWindow* shown = started.mainWindow->windowHandle(); exitWhenShown && shown != nullptr) {
        shown->installEventFilter(&quitWhenDrawn);
        if (shown->isExposed()) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
    const int code = QApplication::exec();
    parlow::WaitForStartupCheck();
    delete started.mainWindow;
    return code;
}
