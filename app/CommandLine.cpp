#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "reports/cli/ReportCommandLine.h"
#include "transfer/rules/ExportText.h"
#include "transfer/rules/ImportPlan.h"
#include "ui/ProgramState.h"
#include "ui/Terminal.h"

namespace parlow {

namespace {

// The toolkit's standard options and whether each takes a value.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<ToolkitOption, 13> kToolkitOptions{{
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-display", true},
    {"-reverse", false},
    {"-widgetcount", false},
}};

const ToolkitOption* FindToolkitOption(std::string_view argument) {
    // The toolkit reads its options with one dash or two.
    if (argument.starts_with("--")) {
        argument.remove_prefix(1);
    }
    const auto found = std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
                                    [&](const ToolkitOption& o) { return o.name == argument; });
    return found == kToolkitOptions.end() ? nullptr : &*found;
}

CommandLine Refused(std::string why) {
    CommandLine refused;
    refused.action = CommandLine::Action::Refuse;
    refused.error = kMessagePrefix + std::move(why) + " (see parlow --help)";
    return refused;
}

class Parser {
  public:
    explicit Parser(const std::vector<std::string>& arguments) : args_(arguments) {}

    CommandLine Run() {
        while (at_ < args_.size()) {
            if (!Take(args_[at_++])) {
                return Refused(error_);
            }
        }
        return result_;
    }

  private:
    bool Take(const std::string& argument) {
        if (argument == "--help" || argument == "-h") {
            result_.action = CommandLine::Action::ShowHelp;
        } else if (argument == "--version") {
            result_.action = CommandLine::Action::ShowVersion;
        } else if (argument == "--no-splash") {
            result_.showSplash = false;
        } else if (argument == "--exit-when-shown") {
            result_.exitWhenShown = true;
        } else if (argument == "--recompute-nine-hole-figures") {
            result_.recomputeNineHoleFigures = true;
        } else if (argument == "--report") {
            return TakeReport();
        } else if (argument == "--pdf") {
            return Fail("--pdf belongs after --report <layout> <parameter>...");
        } else if (argument == "--export") {
            return TakeExport();
        } else if (argument == "--import") {
            return TakeImport();
        } else if (argument == "--csv") {
            return Fail("--csv belongs after --export <what> or --import <what>");
        } else if (const ToolkitOption* option = FindToolkitOption(argument)) {
            return !option->takesValue || TakeValue(argument).has_value();
        } else if (argument.starts_with("-")) {
            return Fail("unknown option " + argument);
        } else {
            return Fail("unexpected argument " + argument);
        }
        return true;
    }

    // --report <layout> <parameter>... --pdf <file>: the parameters run up to --pdf.
    bool TakeReport() {
        if (result_.report) {
            return Fail("--report given twice");
        }
        if (result_.exportCsv || result_.importCsv) {
            return Fail("--export and --import go alone, once");
        }
        const auto layout = TakeValue("--report");
        if (!layout) {
            return false;
        }
        if (*layout == "--pdf") {
            return Fail("--report needs a layout before --pdf");
        }
        reports::ReportRequest report{*layout, {}, {}};
        while (at_ < args_.size() && args_[at_] != "--pdf") {
            report.parameters.push_back(args_[at_++]);
        }
        if (at_ == args_.size()) {
            return Fail("--report needs --pdf <file>");
        }
        ++at_;
        const auto file = TakeValue("--pdf");
        if (!file) {
            return false;
        }
        report.pdfFile = *file;
        result_.report = std::move(report);
        return true;
    }

    // --export <what> [<GolferID>] --csv <file>: a golfer only for handicap.
    bool TakeExport() {
        if (result_.exportCsv || result_.importCsv || result_.report) {
            return Fail("--export and --import go alone, once");
        }
        const auto what = TakeValue("--export");
        if (!what) {
            return false;
        }
        const bool handicap = *what == "handicap";
        if (!handicap && !transfer::ExportKindNamed(*what)) {
            return Fail("unknown export " + *what +
                        " (golfers, courses, games, statistics or handicap <GolferID>)");
        }
        std::string golfer;
        if (handicap) {
            const auto id = TakeValue("--export handicap");
            if (!id) {
                return false;
            }
            golfer = *id;
        }
        const auto file = TakeCsvFile("--export " + *what + (handicap ? " <GolferID>" : ""));
        if (!file) {
            return false;
        }
        result_.exportCsv = CommandLine::Export{*what, golfer, *file};
        return true;
    }

    // --import <courses|games> --csv <file>
    bool TakeImport() {
        if (result_.exportCsv || result_.importCsv || result_.report) {
            return Fail("--export and --import go alone, once");
        }
        const auto what = TakeValue("--import");
        if (!what) {
            return false;
        }
        if (!transfer::ImportKindNamed(*what)) {
            return Fail("unknown import " + *what + " (courses or games)");
        }
        const auto file = TakeCsvFile("--import " + *what);
        if (!file) {
            return false;
        }
        result_.importCsv = CommandLine::Import{*what, *file};
        return true;
    }

    std::optional<std::string> TakeCsvFile(const std::string& before) {
        if (at_ == args_.size() || args_[at_] != "--csv") {
            Fail(before + " needs --csv <file>");
            return std::nullopt;
        }
        ++at_;
        return TakeValue("--csv");
    }

    std::optional<std::string> TakeValue(const std::string& option) {
        if (at_ == args_.size() || args_[at_].empty()) {
            Fail(option + " needs a value");
            return std::nullopt;
        }
        return args_[at_++];
    }

    bool Fail(std::string why) {
        error_ = std::move(why);
        return false;
    }

    const std::vector<std::string>& args_;
    std::size_t at_ = 0;
    CommandLine result_;
    std::string error_;
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    return Parser(arguments).Run();
}

std::string CommandLineHelp() {
    std::string help =
        "Usage: parlow [option]...\n"
        "A golf log: golfers, courses, games, statistics and score sheets.\n"
        "\n"
        "  --no-splash                                    start without the splash screen\n"
        "  --report <layout> <parameter>... --pdf <file>  write one report to a PDF file, no "
        "window\n"
        "  --export <what> --csv <file>                   write golfers, courses, games or "
        "statistics as CSV\n"
        "  --export handicap <GolferID> --csv <file>      write the golfer's scoring record as "
        "CSV\n"
        "  --import <courses|games> --csv <file>          add the file's courses or games, all "
        "or none\n"
        "  --recompute-nine-hole-figures                  once, after a backup: work out stored "
        "9-hole games' figures again\n"
        "  --version                                      print the name and version, then end\n"
        "  --help, -h                                     print this list, then end\n"
        "\n"
        "Report layouts and the values each takes, in order:\n";
    for (const std::string& usage : reports::ReportLayoutUsages()) {
        help += "  " + usage + "\n";
    }
    help += "\nExit status:\n";
    for (const ExitStatusMeaning& exit : kExitStatuses) {
        help += "  " + std::to_string(exit.status) + "  " + exit.meaning + "\n";
    }
    return help;
}

std::string VersionText() {
    return "The Parlow's Log " + ProgramVersion();
}

}  // namespace parlow
