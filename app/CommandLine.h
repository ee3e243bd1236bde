#pragma once
// The options the program takes from its command line. Parsing happens
// before any window exists, so --help, --version and a mistyped option are
// answered in the terminal alone.
#include <optional>
#include <string>
#include <vector>

#include "reports/cli/ReportRequest.h"

namespace parlow {

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    bool showSplash = true;
    // Hidden: ends the program once its main window is drawn (start-up timing).
    bool exitWhenShown = false;
    std::optional<reports::ReportRequest> report;
    // The one-time mending of nine-hole games stored by an earlier version.
    bool recomputeNineHoleFigures = false;
    // --export <golfers|courses|games|statistics> --csv <file>, or
    // --export handicap <GolferID> --csv <file>
    struct Export {
        std::string what;
        std::string golferId;  // handicap only
        std::string csvFile;
    };
    std::optional<Export> exportCsv;
    // --import <courses|games> --csv <file>
    struct Import {
        std::string what;
        std::string csvFile;
    };
    std::optional<Import> importCsv;
    // Why the command line was refused, one line for standard error.
    std::string error;
};

// Reads the arguments after the program's name. The toolkit's own options
// (-session from the desktop's session manager, -style, -platform ...) are
// passed over here and left to the toolkit.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The --help text: a usage line and one line for each option.
std::string CommandLineHelp();

// "The Parlow's Log 3.1.0"
std::string VersionText();

}  // namespace parlow
