#pragma once
// Parlow --import <courses|games> --csv <file>: a CSV file of the export's
// columns added to the log, all its rows or none. It writes, so it takes the
// single-copy lock and refuses while the program runs for the same log.
#include <filesystem>
#include <string>
#include <vector>

#include "transfer/rules/ImportPlan.h"

namespace parlow::transfer {

// The import itself: `report` is the line to print (what was imported, or
// why nothing was), `refusals` the refused rows' lines. Status 0 or 1.
int ImportCsvFile(const std::filesystem::path& programFolder, ImportKind kind,
                  const std::string& file, std::string& report, std::vector<std::string>& refusals);

// The command as the program runs it: the program folder, the lock, then the
// work above, each line on standard output or error.
int RunImportCommandLine(int argc, char** argv, const std::string& kind, const std::string& file);

// "12 new games, 3 already stored (left as they are), 1 refused of 16 rows"
std::string PlanSummary(const ImportPlan& plan);

}  // namespace parlow::transfer
