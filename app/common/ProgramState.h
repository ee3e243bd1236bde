#pragma once
// The program-wide state every screen shares: the one current Putt object,
// the one shared record set, and the program folder everything is read from.
#include <filesystem>

#include "zeviza/Putt.h"
#include "zeviza/RecordSet.h"

namespace parlow {

inline constexpr const char* kAppTitle = "Parlow's Log";
inline constexpr const char* kMainCaption = "The Parlow's Log v3.1";
inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 0;

// The executable's own folder, unless a test has set another.
std::filesystem::path ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);

// Creates a new Putt, releasing the previous one, as each screen's load does.
zeviza::Putt& NewPutt();
// The current Putt, or nullptr before the first load and after shut-down.
zeviza::Putt* CurrentPutt();
void ReleasePutt();

// The record set screens fill from Putt reads and empty again.
zeviza::RecordSetPtr& SharedRecordset();

}  // namespace parlow
