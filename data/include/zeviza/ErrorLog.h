#pragma once
// error.log in the program folder, shared by the library and the program.
// Lines end in "\r\n"; the layout is fixed so that old logs read the same.
#include <chrono>
#include <filesystem>
#include <string>

namespace zeviza {

using Clock = std::chrono::system_clock;

enum class LogEntryKind {
    Library,              // a failed Putt call
    ConstructionFailure,  // Putt could not set up its connection
    Program,              // the program's own start-up failures
};

// Appends one entry, creating the file with its header first when it does
// not exist. Failing to write is silent: the log never stops the program.
void AppendErrorLog(const std::filesystem::path& folder, LogEntryKind kind, long number,
                    const std::string& description, const std::string& label,
                    Clock::time_point when = Clock::now());

std::filesystem::path ErrorLogPath(const std::filesystem::path& folder);

// Local date and time as the database and the log write them:
// "YYYY-MM-DD HH:MM:SS".
std::string DateTimeText(Clock::time_point when = Clock::now());

}  // namespace zeviza
