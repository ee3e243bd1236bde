#pragma once
// The start-up routine: refuses a second copy, checks for the database file,
// loads the main window, runs the splash and shows the main window; then
// checks that the file is sound and backs it up when it changed, off the
// GUI thread (see StartupCheck.h).
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/RunningCopy.h"
#include "ui/Terminal.h"

class QMainWindow;

namespace parlow {

class InstanceLock;

struct StartupOptions {
    bool showSplash = true;
    // Ends the program (status kStartRefused) when the database is missing or
    // damaged; tests replace it.
    std::function<void()> shutDown;
};

// The exit status of a start that was refused: a damaged or missing
// database, a second copy, a folder that could not be made.
inline constexpr int kStartRefused = kExitRecordOrFile;

struct StartupResult {
    bool run = false;  // true when the main window is up and the event loop should run
    int status = 0;    // the program's exit status when it does not run
    std::unique_ptr<InstanceLock> lock;
    // Brings the window to the front when a second copy asks.
    std::unique_ptr<RunningCopyListener> listener;
    QMainWindow* mainWindow = nullptr;
};

StartupResult Main(const StartupOptions& options);

// True when green/parlow.plg is in the program folder; moves the process
// into the program folder first.
bool DatabaseFileExists();

// The start-up error handler: a missing file or a path failure is passed
// over (true: go on); anything else is logged and shown, and start-up stops.
bool HandleStartupFailure(std::exception_ptr failure);

// The help file the program's help command opens.
std::filesystem::path HelpFilePath();

}  // namespace parlow
