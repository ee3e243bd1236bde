#pragma once
// Start-up's step after the integrity check and the automatic backup: a log
// made by an older version is brought to the current layout (zeviza
// MigrateDatabase); one made by a newer version, or one that cannot be
// brought up to date, stops the start with a message and the file untouched.
namespace parlow {

// True when start-up may go on.
bool UpgradeDatabase();

}  // namespace parlow
