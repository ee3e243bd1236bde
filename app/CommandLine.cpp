#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "ui/ProgramState.h"

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
    refused.error = "parlow: " + std::move(why) + " (see parlow --help)";
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
        } else if (argument == "--report") {
            return TakeReport();
        } else if (argument == "--pdf") {
            return Fail("--pdf belongs after --report <layout> <parameter>...");
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
    return "Usage: parlow [option]...\n"
           "A golf log: golfers, courses, games, statistics and score sheets.\n"
           "\n"
           "  --no-splash                                    start without the splash screen\n"
           "  --report <layout> <parameter>... --pdf <file>  write one report to a PDF file, no "
           "window\n"
           "  --version                                      print the name and version, then end\n"
           "  --help, -h                                     print this list, then end\n";
}

std::string VersionText() {
    return "The Parlow's Log " + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

}  // namespace parlow
