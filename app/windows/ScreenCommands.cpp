#include "app/windows/ScreenCommands.h"

#include "courses/CourseScreens.h"
#include "games/GameScreens.h"
#include "golfers/GolferScreens.h"
#include "reports/export/frmExportCsv.h"
#include "reports/review/ReviewScreens.h"
#include "reports/trends/TrendScreens.h"
#include "transfer/frmImportCsv.h"

namespace parlow {

namespace {

const char* const kNoGolfers = "No Golfer records were found! ";
const char* const kNoCourses = "No Course records were found! ";
const char* const kNoGames = "No Game records were found! ";

std::vector<ScreenCommand> MakeScreenCommands() {
    return {
        {"mnuAddGame",
         {GolfersExist("No Golfer records were found! \r\n\r\n"
                       "Add at least one Golfer before adding games. "),
          CoursesExist("No Course records were found! \r\n\r\n"
                       "Add at least one Course before adding games. ")},
         [] { return parlow::games::CreateAddGameScreen(); }},
        {"mnuAddGolfer", {}, [] { return parlow::golfers::CreateAddGolferScreen(); }},
        {"mnuAddCourse", {}, [] { return parlow::courses::CreateAddCourseScreen(); }},
        {"mnuAddScoreCards",
         {CoursesExist("No Course records were found!\r\n\r\n"
                       "Add at least one Course before printing score sheets. ")},
         [] { return reports::CreateReviewScreen("frmScoreCard"); }},
        {"mnuEditGame",
         {GamesExist("No Game records were found to edit! "),
          GolfersExist("No Golfer records were found to edit! "),
          CoursesExist("No Course records were found to edit! ")},
         [] { return parlow::games::CreateEditGameScreen(); }},
        {"mnuEditClubs",
         {CoursesExist("No Course records were found to edit! ")},
         [] { return parlow::courses::CreateEditCourseScreen(); }},
        {"mnuEditGolfers",
         {GolfersExist("No Golfer records were found to edit! ")},
         [] { return parlow::golfers::CreateEditGolferScreen(); }},
        {"mnuDeleteGame",
         {GamesExist("No Game records were found to remove! ")},
         [] { return parlow::games::CreateRemoveGameScreen(); }},
        {"mnuDeleteGolfer",
         {GolfersExist("No Golfer records were found to remove! ")},
         [] { return parlow::golfers::CreateRemoveGolferScreen(); }},
        {"mnuDeleteClub",
         {CoursesExist("No Course records were found to remove! ")},
         [] { return parlow::courses::CreateRemoveCourseScreen(); }},
        {"mnuRptClubs",
         {CoursesExist(kNoCourses)},
         [] { return reports::CreateReviewScreen("frmClubData"); }},
        {"mnuRptGames",
         {PlayedGamesExist(kNoGames), GolfersExist(kNoGolfers)},
         [] { return reports::CreateReviewScreen("frmGameStats"); }},
        {"mnuRptHistory",
         {PlayedGamesExist(kNoGames), GolfersExist(kNoGolfers)},
         [] { return reports::CreateReviewScreen("frmGolferData"); }},
        {"mnuRptGolferStats",
         {GolfersExist(kNoGolfers), GamesExist(kNoGames)},
         [] { return reports::CreateReviewScreen("frmStats"); }},
        {"mnuRptStrokeStats",
         {PlayedGamesExist(kNoGames), GolfersExist(kNoGolfers)},
         [] { return reports::CreateReviewScreen("frmGolferStrokeStats"); }},
        {"mnuRptTrends",
         {PlayedGamesExist(kNoGames), GolfersExist(kNoGolfers)},
         [] { return reports::CreateTrendsScreen(); }},
        {"mnuRptHandicap",
         {GolfersExist(kNoGolfers)},
         [] { return reports::CreateReviewScreen("frmHandicapRecord"); }},
        {"mnuRptExportCsv", {}, [] { return reports::CreateExportCsvScreen(); }},
        {"mnuAddImportCsv", {}, [] { return transfer::CreateImportCsvScreen(); }},
    };
}

}  // namespace

const std::vector<ScreenCommand>& ScreenCommands() {
    static const std::vector<ScreenCommand> commands = MakeScreenCommands();
    return commands;
}

const ScreenCommand* FindScreenCommand(const std::string& name) {
    for (const ScreenCommand& command : ScreenCommands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace parlow
