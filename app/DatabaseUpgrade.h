#pragma once
// What start-up does with the layout upgrade of the log (zeviza
// MigrateDatabase, run after the integrity check and the automatic backup):
// a log brought up to date, or already current, is used; one made by a newer
// version, or one that could not be brought up to date, ends the start with
// a message, the file untouched.
#include "zeviza/SchemaVersion.h"

class QMainWindow;

namespace parlow {

// True when start-up may go on. Otherwise writes the error log, hides the
// main window (when there is one) and shows why.
bool StartupMayUseDatabase(const zeviza::MigrationOutcome& outcome, QMainWindow* main);

}  // namespace parlow
