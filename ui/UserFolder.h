#pragma once
// Where the program folder is. Run from a build, it is the executable's own
// folder, as it always was. An installed copy never writes to its installed
// tree: `cmake --install` leaves a marker file beside the executable, and a
// copy that finds it keeps each user's log in a folder of that user's own,
// made from the installed files on the first start.
#include <filesystem>
#include <string>

namespace parlow {

// The file `cmake --install` puts beside an installed executable.
inline constexpr const char* kInstalledMarker = "installed-copy";

// What an installed copy hands each user, relative to its folder.
inline constexpr const char* kTemplateEntries[] = {"green", "help", "text", "images"};

bool IsInstalledCopy(const std::filesystem::path& executableFolder);

// $XDG_DATA_HOME/parlow, by default ~/.local/share/parlow; empty when the
// user has no home folder.
std::filesystem::path UserProgramFolder();

// The user's own folder for an installed copy, the executable's folder otherwise.
std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableFolder);

// Makes `folder` from the templates in `installedFolder` unless it exists
// already; an existing folder is used as it is, so an upgrade never replaces
// a user's records. The copy is made beside it and renamed into place, so an
// interrupted first start leaves no half-made folder. Returns why it failed,
// or an empty text.
std::string MakeUserFolder(const std::filesystem::path& installedFolder,
                           const std::filesystem::path& folder);

// The installed files each user's folder is made from (share/parlow beside
// the installed program's lib/.../parlow).
std::filesystem::path InstalledDataFolder(const std::filesystem::path& executableFolder);

// What an upgrade refreshes in a user's folder: the program's own files,
// never the database or its backups.
inline constexpr const char* kRefreshedEntries[] = {"help", "text", "images"};

// Names the version whose files the user's folder holds copies of.
inline constexpr const char* kCopiedVersionFile = ".copied-version";

// Compares dotted version numbers part by part ("3.10.0" after "3.9.2"); a
// missing part counts as 0. Negative, 0 or positive as a is older, the same
// or newer than b.
int CompareVersions(const std::string& a, const std::string& b);

// After an upgrade: when `version` (the installed program's) is newer than
// the copies in `folder` (or their version is not known), each refreshed
// entry is copied anew from `installedFolder` beside the old one and renamed
// into its place, then the new version is noted. An entry that cannot be
// replaced keeps its old copy. Returns why something failed, or an empty text.
std::string RefreshUserCopies(const std::filesystem::path& installedFolder,
                              const std::filesystem::path& folder, const std::string& version);

// Notes that `folder` holds the copies of `version`'s files (a folder just made).
std::string NoteCopiedVersion(const std::filesystem::path& folder, const std::string& version);
// Puts a copy of the installed template database where `folder` keeps its
// log, owner-only, for a user whose log is gone. Never over a file that is
// there; a copy cut short is never left under the log's name. Returns why it
// failed, or an empty text.
std::string MakeFreshDatabase(const std::filesystem::path& installedFolder,
                              const std::filesystem::path& folder);

// The folder holds golfers' addresses and phone numbers: it and every folder
// below it become 0700, every file 0600, whatever they were made with (an
// older copy, the umask, a restore from elsewhere). Links are left alone.
// Returns why it failed, or an empty text.
std::string MakeOwnerOnly(const std::filesystem::path& folder);

}  // namespace parlow
