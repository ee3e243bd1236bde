#pragma once
// The checks a round passes before anything is read or stored, and the
// settling of a nine that was not played.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "games/rules/GameEntry.h"

namespace parlow::games {

struct GameValidation {
    std::optional<GameProblem> problem;  // empty when the entry passed
    // Out + In, for the Net field, whenever both are numbers that fit 16 bits
    // together, even when that sum fails the minimum score.
    std::optional<std::int16_t> netSum;

    bool Passed() const { return !problem.has_value(); }
};

GameValidation ValidateGame(const GameEntry& entry, const CourseCard& course,
                            const GolferChoice& golfer, std::chrono::year_month_day gameDate,
                            std::chrono::year_month_day today);

// Shows a question with Yes and No; true is Yes.
using AskYesNo = std::function<bool(const std::string& question)>;

// Runs after the user confirmed the entry. A Yes writes "0" into the holes and
// the total of the unplayed nine, which the screen then shows. Empty when the
// save may go on.
std::optional<GameProblem> ResolveUnplayedNine(GameEntry& entry, const AskYesNo& ask);

}  // namespace parlow::games
