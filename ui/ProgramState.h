#pragma once
// The program-wide state every screen shares: the one current Putt object,
// the one shared record set, and the program folder everything is read from.
#include <filesystem>
#include <string>

#include "zeviza/Putt.h"
#include "zeviza/RecordSet.h"

namespace parlow {

inline constexpr const char* kAppTitle = "Parlow's Log";
inline constexpr const char* kMainCaption = "The Parlow's Log v3.1";
inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 0;

// "3.1.0"
inline std::string ProgramVersion() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

// Where everything is read and written: the executable's own folder, or
// for an installed copy the user's own folder (see UserFolder.h), unless a
// test has set another. Every Putt the program makes connects below it.
std::filesystem::path ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);

// The installed program's folder, which the user's folder is made from;
// empty for a copy that runs from its own folder.
std::filesystem::path InstalledTemplateFolder();

// An installed copy makes the user's folder from its templates on the first
// start, and after an upgrade refreshes the user's copies of the help, texts
// and pictures (a refresh that fails is written to the error log and the
// old copies serve). Returns why the folder could not be made, or an empty
// text (also when there is nothing to make).
std::string PrepareProgramFolder();

// Creates a new Putt, releasing the previous one, as each screen's load does.
zeviza::Putt& NewPutt();
// The current Putt, or nullptr before the first load and after shut-down.
zeviza::Putt* CurrentPutt();
void ReleasePutt();

// The record set screens fill from Putt reads and empty again.
zeviza::RecordSetPtr& SharedRecordset();

}  // namespace parlow
