#include <QApplication>

#include "tests/app/shell/ShellFixture.h"
#include "ui/ProgramState.h"

namespace {

using shell_tests::ShellTest;

const std::vector<std::string> kScreenCommands = {
    "mnuAddGame",     "mnuAddGolfer",  "mnuAddCourse",      "mnuAddScoreCards", "mnuEditClubs",
    "mnuEditGolfers", "mnuDeleteGame", "mnuDeleteGolfer",   "mnuDeleteClub",    "mnuRptClubs",
    "mnuRptGames",    "mnuRptHistory", "mnuRptGolferStats", "mnuRptStrokeStats"};

const std::string kNoGolfersForGames =
    "No Golfer records were found! \r\n\r\nAdd at least one Golfer before adding games. ";
const std::string kNoCoursesForGames =
    "No Course records were found! \r\n\r\nAdd at least one Course before adding games. ";
const std::string kNoGolfers = "No Golfer records were found! ";
const std::string kNoGames = "No Game records were found! ";

class RecordChecksTest : public ShellTest {
  protected:
    RecordChecksTest() {
        OpenMainWindow();
        WireStandIns(kScreenCommands);
    }

    // The one warning a command showed, or "" when it showed none.
    std::string WarningOf(const char* command) {
        prompts.Clear();
        Choose(command);
        EXPECT_LE(prompts.Shown().size(), 1u) << command;
        if (prompts.Shown().empty()) {
            return {};
        }
        const zeviza::Box& box = prompts.Last();
        EXPECT_EQ(box.title, "Parlow's Log") << command;
        EXPECT_EQ(box.icon, zeviza::Icon::Warning) << command;
        EXPECT_EQ(box.buttons, zeviza::Buttons::Ok) << command;
        return box.text;
    }
};

TEST_F(RecordChecksTest, OnAnEmptyDatabaseEachCheckingCommandWarnsInItsOwnWordsAndOpensNothing) {
    const std::pair<const char*, std::string> expected[] = {
        {"mnuAddGame", kNoGolfersForGames},
        {"mnuAddScoreCards",
         "No Course records were found!\r\n\r\nAdd at least one Course before printing score "
         "sheets. "},
        {"mnuEditClubs", "No Course records were found to edit! "},
        {"mnuEditGolfers", "No Golfer records were found to edit! "},
        {"mnuDeleteGame", "No Game records were found to remove! "},
        {"mnuDeleteGolfer", "No Golfer records were found to remove! "},
        {"mnuDeleteClub", "No Course records were found to remove! "},
        {"mnuRptClubs", "No Course records were found! "},
        {"mnuRptGames", kNoGames},
        {"mnuRptHistory", kNoGames},
        {"mnuRptGolferStats", kNoGolfers},
        {"mnuRptStrokeStats", kNoGames},
    };
    for (const auto& [command, message] : expected) {
        EXPECT_EQ(WarningOf(command), message) << command;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << command;
    }
    EXPECT_EQ(OpenWindows(), 0);
}

TEST_F(RecordChecksTest, AddingGolfersAndCoursesNeedsNoRecords) {
    EXPECT_EQ(WarningOf("mnuAddGolfer"), "");
    EXPECT_EQ(WarningOf("mnuAddCourse"), "");
    EXPECT_EQ(OpenWindows(), 2);
    EXPECT_EQ(Front(), "mnuAddCourse");
}

TEST_F(RecordChecksTest, AddGameLooksForGolfersBeforeCourses) {
    // Neither golfers nor courses: only the golfer warning, courses never asked about.
    EXPECT_EQ(WarningOf("mnuAddGame"), kNoGolfersForGames);
    AddGolfer();
    EXPECT_EQ(WarningOf("mnuAddGame"), kNoCoursesForGames);
    EXPECT_EQ(OpenWindows(), 0);
    AddCourse();
    EXPECT_EQ(WarningOf("mnuAddGame"), "");
    EXPECT_EQ(Front(), "mnuAddGame");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(RecordChecksTest, GameReportsLookForGamesFirstAndGolferStatsForGolfersFirst) {
    for (const char* report : {"mnuRptGames", "mnuRptHistory", "mnuRptStrokeStats"}) {
        EXPECT_EQ(WarningOf(report), kNoGames) << report;
    }
    EXPECT_EQ(WarningOf("mnuRptGolferStats"), kNoGolfers);

    AddGame(18);  // a game whose golfer has gone
    for (const char* report : {"mnuRptGames", "mnuRptHistory", "mnuRptStrokeStats"}) {
        EXPECT_EQ(WarningOf(report), kNoGolfers) << report;
    }
    EXPECT_EQ(WarningOf("mnuRptGolferStats"), kNoGolfers);
    EXPECT_EQ(OpenWindows(), 0);
}

TEST_F(RecordChecksTest, GameReportsCountOnlyGamesOfSomeHolesWhileRemovalCountsEveryRow) {
    AddGolfer();
    AddGame(0);
    for (const char* report : {"mnuRptGames", "mnuRptHistory", "mnuRptStrokeStats"}) {
        EXPECT_EQ(WarningOf(report), kNoGames) << report;
    }
    EXPECT_EQ(WarningOf("mnuDeleteGame"), "");
    EXPECT_EQ(WarningOf("mnuRptGolferStats"), "");
    EXPECT_EQ(OpenWindows(), 2);

    AddGame(9);
    EXPECT_EQ(WarningOf("mnuRptGames"), "");
    EXPECT_EQ(WarningOf("mnuRptHistory"), "");
    EXPECT_EQ(WarningOf("mnuRptStrokeStats"), "");
    EXPECT_EQ(OpenWindows(), 5);
}

TEST_F(RecordChecksTest, AReadThatFailsCountsAsNoRecords) {
    AddCourse();
    folder.Exec("DROP TABLE tblClub;");
    EXPECT_EQ(WarningOf("mnuEditClubs"), "No Course records were found to edit! ");
    parlow::ReleasePutt();
    AddGolfer();
    EXPECT_EQ(WarningOf("mnuEditGolfers"), "No Golfer records were found to edit! ");
    EXPECT_EQ(OpenWindows(), 0);
    EXPECT_EQ(parlow::SharedRecordset(), nullptr);
}

TEST_F(RecordChecksTest, ACommandWhoseScreenIsNotBuiltYetChecksAndOpensNothing) {
    AddCourse();
    main->WireScreen("mnuEditClubs", nullptr);
    EXPECT_EQ(WarningOf("mnuEditClubs"), "");
    EXPECT_EQ(OpenWindows(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
