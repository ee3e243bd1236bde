#pragma once
// The files the program keeps for itself in and beside its folder: the log,
// its journal and backups, the error log, the single-copy lock and the note
// of the last good integrity check. Nothing the program exports may land on
// one of them.
#include <filesystem>
#include <string>
#include <vector>

namespace parlow {

// .parlow.lock in the program folder, where every copy looks first.
std::filesystem::path FolderLockFile(const std::filesystem::path& programFolder);

// The lock's place when the program folder cannot hold it: the user's
// runtime folder ($XDG_RUNTIME_DIR), named after the program folder's
// identity so that every copy using that folder finds the same lock. Empty
// without a runtime folder.
std::filesystem::path RuntimeLockFile(const std::filesystem::path& programFolder);

// "<device>-<inode>" of the program folder: the same for every path that
// reaches it, so copies started through different links meet. Empty when
// the folder cannot be looked at.
std::string ProgramFolderIdentity(const std::filesystem::path& programFolder);

// Every single file above (the backups go by their folder).
std::vector<std::filesystem::path> ProgramOwnFiles(const std::filesystem::path& programFolder);

}  // namespace parlow
