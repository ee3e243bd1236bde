#pragma once
// What the start says when the database is missing or damaged: the file it
// means, the newest of the program's backups and how to put it back, an
// entry in the error log, and, for an installed copy that lost its log and
// has no backup to go back to, a fresh empty log instead of a dead end.
#include <filesystem>

#include "zeviza/DatabaseFile.h"

namespace parlow {

// The damaged file is left exactly as it was found.
void ReportDamagedDatabase(const std::filesystem::path& programFolder,
                           const zeviza::IntegrityReport& report);

// Shows the not-found box. `templateFolder` is the installed program's
// folder the user's folder was made from, empty for a copy that runs from
// its own folder. True when a fresh log now stands in the database's place
// (the user asked for one), so the start may go on.
bool AnswerMissingDatabase(const std::filesystem::path& programFolder,
                           const std::filesystem::path& templateFolder);

}  // namespace parlow
