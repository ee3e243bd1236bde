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
