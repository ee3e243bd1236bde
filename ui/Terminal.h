#pragma once
// What the program says in a terminal: the name it puts before each of its
// messages, and the exit statuses it ends with. --help lists the statuses
// from here; the man page's EXIT STATUS says the same.
namespace parlow {

// Before every message on standard error: "parlow: unknown option --x".
inline constexpr const char* kMessagePrefix = "parlow: ";

inline constexpr int kExitDone = 0;
inline constexpr int kExitRecordOrFile = 1;
inline constexpr int kExitUsage = 2;

struct ExitStatusMeaning {
    int status;
    const char* meaning;
};
inline constexpr ExitStatusMeaning kExitStatuses[] = {
    {kExitDone, "the program ended normally, or printed or wrote what was asked"},
    {kExitRecordOrFile,
     "a record or file problem: no such record, the log unreadable, the file not written, "
     "or a start refused (the log missing, damaged or of a newer version, a copy running)"},
    {kExitUsage, "the command line was refused: an unknown option, layout or number of values"},
};

}  // namespace parlow
