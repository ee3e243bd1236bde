#include "ScreenCommands.h"

#include "GameScreens.h"
#include "GolferScreens.h"

namespace parlow {

namespace {

// A command whose screen comes later still runs its checks, then opens nothing.
const ScreenMaker kNotBuiltYet;

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
         [] { return games::CreateAddGameScreen(); }},
        {"mnuAddGolfer", {}, [] { return golfers::CreateAddGolferScreen(); }},
        {"mnuAddCourse", {}, kNotBuiltYet},
        {"mnuAddScoreCards",
         {CoursesExist("No Course records were found!\r\n\r\n"
                       "Add at least one Course before printing score sheets. ")},
         kNotBuiltYet},
        {"mnuEditClubs", {CoursesExist("No Course records were found to edit! ")}, kNotBuiltYet},
        {"mnuEditGolfers",
         {GolfersExist("No Golfer records were found to edit! ")},
         [] { return golfers::CreateEditGolferScreen(); }},
        {"mnuDeleteGame",
         {GamesExist("No Game records were found to remove! ")},
         [] { return games::CreateRemoveGameScreen(); }},
        {"mnuDeleteGolfer",
         {GolfersExist("No Golfer records were found to remove! ")},
         [] { return golfers::CreateRemoveGolferScreen(); }},
        {"mnuDeleteClub", {CoursesExist("No Course records were found to remove! ")}, kNotBuiltYet},
        {"mnuRptClubs", {CoursesExist(kNoCourses)}, kNotBuiltYet},
        {"mnuRptGames", {PlayedGamesExist(kNoGames), GolfersExist(kNoGolfers)}, kNotBuiltYet},
        {"mnuRptHistory", {PlayedGamesExist(kNoGames), GolfersExist(kNoGolfers)}, kNotBuiltYet},
        {"mnuRptGolferStats", {GolfersExist(kNoGolfers), GamesExist(kNoGames)}, kNotBuiltYet},
        {"mnuRptStrokeStats", {PlayedGamesExist(kNoGames), GolfersExist(kNoGolfers)}, kNotBuiltYet},
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
