#pragma once
// Parlow --recompute-nine-hole-figures: the one-time mending of nine-hole
// games stored before their figures were worked out over the nine played.
// Runs without a window, never beside a running copy, after a backup.
#include <filesystem>
#include <string>

namespace parlow::games {

inline constexpr int kRefigured = 0;
inline constexpr int kRefigureFailed = 1;

// Backs the database of `programFolder` up, refigures every stored nine-hole
// game and sums each golfer's statistics again, in one unit of work. What
// happened is written to `report` (one line); the result is kRefigured or
// kRefigureFailed, and on failure nothing in the database has changed.
int RefigureNineHoleGames(const std::filesystem::path& programFolder, std::string& report);

// The command as the program runs it: the program folder, the single-copy
// lock, then the work above; the line goes to standard output or error.
int RunRefigureCommandLine(int argc, char** argv);

}  // namespace parlow::games
