#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using parlow::CommandLine;
using parlow::ParseCommandLine;
using Args = std::vector<std::string>;

TEST(CommandLineTest, ProgramOptionsAndTheToolkitsOwnAreAccepted) {
    EXPECT_EQ(ParseCommandLine({}).action, CommandLine::Action::Run);
    EXPECT_TRUE(ParseCommandLine({}).showSplash);

    const CommandLine quiet = ParseCommandLine({"--no-splash", "--exit-when-shown"});
    EXPECT_EQ(quiet.action, CommandLine::Action::Run);
    EXPECT_FALSE(quiet.showSplash);
    EXPECT_TRUE(quiet.exitWhenShown);
    EXPECT_FALSE(quiet.report.has_value());

    // A session manager restarts the program with -session; the toolkit reads it.
    const CommandLine restored =
        ParseCommandLine({"-session", "1a2b", "--style", "fusion", "-reverse", "--no-splash"});
    EXPECT_EQ(restored.action, CommandLine::Action::Run) << restored.error;
    EXPECT_FALSE(restored.showSplash);

    EXPECT_EQ(ParseCommandLine({"--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(ParseCommandLine({"--no-splash", "--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(ParseCommandLine({"-h"}).action, CommandLine::Action::ShowHelp);
}

TEST(CommandLineTest, AReportTakesItsLayoutParametersAndFileButDoesNotRunHere) {
    const CommandLine one = ParseCommandLine(
        {"--report", "rptGameStats", "Ann O'Neil", "G12", "--pdf", "/tmp/game.pdf"});
    ASSERT_EQ(one.action, CommandLine::Action::Run) << one.error;
    ASSERT_TRUE(one.report.has_value());
    EXPECT_EQ(one.report->layout, "rptGameStats");
    EXPECT_EQ(one.report->parameters, (Args{"Ann O'Neil", "G12"}));
    EXPECT_EQ(one.report->pdfFile, "/tmp/game.pdf");

    // A parameter that looks like an option is still a parameter: only --pdf ends them.
    const CommandLine odd =
        ParseCommandLine({"--report", "rptScoreCard", "--no-splash", "--pdf", "card.pdf"});
    ASSERT_TRUE(odd.report.has_value()) << odd.error;
    EXPECT_EQ(odd.report->parameters, (Args{"--no-splash"}));
    EXPECT_TRUE(odd.showSplash);

    const CommandLine bare = ParseCommandLine({"--report", "rptClubs", "--pdf", "c.pdf"});
    ASSERT_TRUE(bare.report.has_value()) << bare.error;
    EXPECT_TRUE(bare.report->parameters.empty());
}

TEST(CommandLineTest, MistakesAreRefusedWithOneLineNamingTheCause) {
    struct Case {
        Args arguments;
        std::string names;
    };
    const std::vector<Case> cases{
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"-x"}, "unknown option -x"},
        {{"--no-splash", "golf.plg"}, "unexpected argument golf.plg"},
        {{"--report"}, "--report needs a value"},
        {{"--report", "rptScoreCard", "D1"}, "--report needs --pdf <file>"},
        {{"--report", "--pdf", "c.pdf"}, "--report needs a layout before --pdf"},
        {{"--report", "rptScoreCard", "D1", "--pdf", "c.pdf", "extra"},
         "unexpected argument extra"},
        {{"--report", "rptScoreCard", "D1", "--pdf"}, "--pdf needs a value"},
        {{"--report", "rptScoreCard", "--pdf", ""}, "--pdf needs a value"},
        {{"--pdf", "out.pdf"}, "--pdf belongs after --report"},
        {{"--report", "a", "--pdf", "a.pdf", "--report", "b", "--pdf", "b.pdf"},
         "--report given twice"},
        {{"-session"}, "-session needs a value"},
        {{"--help", "--bogus"}, "unknown option --bogus"},
    };
    for (const Case& c : cases) {
        const CommandLine refused = ParseCommandLine(c.arguments);
        EXPECT_EQ(refused.action, CommandLine::Action::Refuse) << c.names;
        EXPECT_NE(refused.error.find(c.names), std::string::npos) << refused.error;
        EXPECT_EQ(refused.error.find('\n'), std::string::npos) << refused.error;
        EXPECT_FALSE(refused.report.has_value()) << c.names;
    }
}

TEST(CommandLineTest, HelpListsEveryOptionOnALineOfItsOwn) {
    EXPECT_EQ(parlow::VersionText(), "The Parlow's Log 3.1.0");
    std::istringstream help(parlow::CommandLineHelp());
    std::vector<std::string> lines;
    for (std::string line; std::getline(help, line);) {
        lines.push_back(line);
    }
    for (const char* option :
         {"--no-splash", "--report <layout> <parameter>... --pdf <file>", "--version", "--help"}) {
        const auto count = std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.find(option) != std::string::npos;
        });
        EXPECT_EQ(count, 1) << option;
    }
    const auto hidden = parlow::CommandLineHelp().find("--exit-when-shown");
    EXPECT_EQ(hidden, std::string::npos);
}

}  // namespace
