#pragma once
// Parlow --export handicap <GolferID> --csv <file>: the golfer's scoring
// record as CSV, with the conventions of --report: no window, no lock, no
// write to the database; a bad golfer or an unwritable file is one line on
// standard error, a non-zero status and no file.
#include <filesystem>
#include <string>

namespace parlow::reports {

inline constexpr int kExportWritten = 0;
inline constexpr int kExportFailed = 1;

// The work itself; `error` receives the one-line reason of a failure.
int ExportHandicapCsv(const std::filesystem::path& programFolder, const std::string& golferId,
                      const std::filesystem::path& csvFile, std::string& error);

// Starts a window-free application for the program's own folder, exports
// and returns the exit status.
int RunHandicapExport(int argc, char** argv, const std::string& golferId,
                      const std::string& csvFile);

}  // namespace parlow::reports
