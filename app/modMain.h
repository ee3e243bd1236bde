#pragma once
// The start-up routine: refuses a second copy, checks for the database file
// and that it is sound, backs it up when it changed, then loads the main
// window, runs the splash and shows the main window.
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>

class QMainWindow;

namespace parlow {

class InstanceLock;

struct StartupOptions {
    bool showSplash = true;
    // Ends the program when the database is missing or damaged; tests replace it.
    std::function<void()> shutDown;
};

struct StartupResult {
    bool run = false;  // true when the main window is up and the event loop should run
    std::unique_ptr<InstanceLock> lock;
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
