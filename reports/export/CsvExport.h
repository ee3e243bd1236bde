#pragma once
// The CSV exports, from the command line and the Reports menu alike:
//
//   Parlow --export <golfers|courses|games|statistics> --csv <file>
//   Parlow --export handicap <GolferID> --csv <file>
//
// With the conventions of --report: no window, no lock, the database only
// read; an unwritable file or a golfer not stored is one line on standard
// error, status 1 and no file (the text goes to a hidden file beside the
// target, renamed over it when whole).
#include <filesystem>
#include <string>

namespace parlow::reports {

// Writes the export `what` (a name of transfer::kExportChoices) to csvFile.
// False with `error` saying why in one line; no file is left behind.
bool ExportRecordsCsv(const std::filesystem::path& programFolder, const std::string& what,
                      const std::filesystem::path& csvFile, std::string& error);

// Starts a window-free application for the program's own folder, writes
// the export (the handicap record when `what` is "handicap") and returns
// the exit status.
int RunCsvExport(int argc, char** argv, const std::string& what, const std::string& golferId,
                 const std::string& csvFile);

}  // namespace parlow::reports
