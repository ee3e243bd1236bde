#pragma once
// The one rule every file the program exports (a report's PDF from the
// command line or the preview, and any export to come) passes before a byte
// is written: the target is a regular file or nothing yet, and it is none of
// the program's own files. Files are compared by identity (device and inode,
// or the folder's identity and the name for a file not made yet), so a
// symbolic link, a hard link or a path through ".." does not get past.
#include <filesystem>
#include <string>

namespace parlow {

// Why the file may not be written, in one line; empty when it may.
std::string RefusedExportTarget(const std::filesystem::path& target,
                                const std::filesystem::path& programFolder);

}  // namespace parlow
