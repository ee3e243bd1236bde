#pragma once
// The integrity check and the backup of a start, run on a thread of their
// own once the main window is up, so a large log does not keep the window
// from showing. Until they have finished every screen command waits (no
// write can meet a file not yet known to be sound or being copied), and a
// damaged file still ends the program before anything has touched it.
#include <filesystem>
#include <functional>
#include <string>

#include "zeviza/DatabaseFile.h"

namespace parlow {

struct StartupCheckResult {
    bool checkRun = false;  // false when the file was unchanged since its last passed check
    zeviza::IntegrityReport integrity;
    zeviza::BackupOutcome backup;
};

// What the GUI thread does with the result, once.
using StartupCheckDone = std::function<void(const StartupCheckResult&)>;

// Starts the work for the database below `programFolder`; `done` runs later
// on the GUI thread, from the event loop or from the first wait.
void StartStartupCheck(const std::filesystem::path& programFolder, StartupCheckDone done);

// Waits, with the busy pointer, until the work has finished and `done` has
// run. Returns at once when no work was started or it is long over.
void WaitForStartupCheck();

// The check and backup of one database, on the calling thread: what the
// thread runs.
StartupCheckResult RunStartupCheck(const std::filesystem::path& programFolder);

}  // namespace parlow
