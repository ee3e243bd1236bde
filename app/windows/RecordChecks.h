#pragma once
// Before a command opens a screen that works on records, it makes sure such
// records exist, and warns instead of opening an empty screen.
#include <functional>
#include <string>
#include <vector>

#include "zeviza/Putt.h"
#include "zeviza/RecordSet.h"

namespace parlow {

struct RecordCheck {
    std::function<zeviza::RecordSetPtr(zeviza::Putt&)> read;
    std::string message;  // the warning shown when the read gives no rows
};

RecordCheck GolfersExist(std::string message);
RecordCheck CoursesExist(std::string message);
// Every game row counts.
RecordCheck GamesExist(std::string message);
// Only games of some holes count.
RecordCheck PlayedGamesExist(std::string message);

// Runs the checks in order through the shared record set and stops at the
// first that finds nothing, after its warning. A read that fails finds
// nothing. True when every check found records.
bool RecordsExist(const std::vector<RecordCheck>& checks);

}  // namespace parlow
