#include "games/rules/GameValidation.h"

#include "zeviza/TextNumber.h"

namespace parlow::games {
namespace {

using zeviza::Icon;

constexpr const char* kLineBreak = "\r\n";
constexpr int kLowestEighteenHoleScore = 58;

// A number too large for 16 bits is still a number here; the figures refuse
// it later with the overflow failure.
bool IsNumeric(const std::string& text) {
    return zeviza::ReadWholeNumber(text).reading != zeviza::TextReading::NotNumber;
}

GameProblem Problem(std::string message, Icon icon, GameFocus focus = {}) {
    return {std::move(message), icon, focus};
}

std::optional<GameProblem> CheckSelections(const CourseCard& course, const GolferChoice& golfer) {
    if (course.par[0].empty()) {
        return Problem(std::string("Please select the Course where this game was played. ") +
                           kLineBreak + kLineBreak +
                           "You must have at least one Course record before adding a Game "
                           "record. ",
                       Icon::Critical, {GameControl::CourseList, 0});
    }
    if (golfer.FullName.empty()) {
        return Problem(std::string("Please select a Golfer. ") + kLineBreak + kLineBreak +
                           "You must have at least one Golfer before adding Game records. ",
                       Icon::Warning, {GameControl::GolferList, 0});
    }
    return std::nullopt;
}

std::optional<GameProblem> CheckHoleScores(const GameEntry& entry) {
    for (int hole = 0; hole < 18; ++hole) {
        const std::string& score = entry.hole[hole];
        if (!score.empty() && !IsNumeric(score)) {
            return Problem("Invalid hole score found in hole #" + std::to_string(hole + 1) + " ",
                           Icon::Critical, {GameControl::TxtBox, hole});
        }
    }
    return std::nullopt;
}

// Both nines typed: the sum must reach an 18-hole minimum. Totals that do not
// fit 16 bits pass here and end the save when the figures are worked out.
void CheckEighteenHoleScore(const GameEntry& entry, GameValidation& validation) {
    const zeviza::WholeNumber out = zeviza::ReadWholeNumber(entry.out);
    const zeviza::WholeNumber in = zeviza::ReadWholeNumber(entry.in);
    if (!out.IsWhole() || !in.IsWhole()) {
        return;
    }
    const int sum = out.value + in.value;
    if (sum >= INT16_MIN && sum <= INT16_MAX) {
        validation.netSum = static_cast<std::int16_t>(sum);
    }
    if (sum < kLowestEighteenHoleScore) {
        validation.problem =
            Problem(std::string("Score values entered are not valid! ") + kLineBreak +
                        "The minimum score for 18 holes cannot be less than 58 ",
                    Icon::Critical);
    }
}

struct Nine {
    int firstHole;
    std::string GameEntry::*total;
    const char* question;
    const char* refusal;
};

const Nine kFrontNine{0, &GameEntry::out, "Did you only play the Back 9 holes for this game? ",
                      "Enter the scores for the front 9 holes before continuing. "};
const Nine kBackNine{9, &GameEntry::in, "Did you only play the Front 9 holes for this game? ",
                     "Enter the scores for the back 9 holes before continuing. "};

bool HasEmptyHole(const GameEntry& entry, const Nine& nine) {
    for (int hole = nine.firstHole; hole < nine.firstHole + 9; ++hole) {
        if (entry.hole[hole].empty()) {
            return true;
        }
    }
    return false;
}

std::optional<GameProblem> SettleNine(GameEntry& entry, const Nine& nine, const AskYesNo& ask) {
    if (!HasEmptyHole(entry, nine)) {
        return std::nullopt;
    }
    if (!ask || !ask(nine.question)) {
        return Problem(nine.refusal, Icon::Warning, {GameControl::TxtBox, nine.firstHole});
    }
    for (int hole = nine.firstHole; hole < nine.firstHole + 9; ++hole) {
        entry.hole[hole] = "0";
    }
    entry.*nine.total = "0";
    return std::nullopt;
}

}  // namespace

GameValidation ValidateGame(const GameEntry& entry, const CourseCard& course,
                            const GolferChoice& golfer, std::chrono::year_month_day gameDate,
                            std::chrono::year_month_day today) {
    GameValidation validation;
    validation.problem = CheckSelections(course, golfer);
    if (!validation.problem && gameDate > today) {
        validation.problem = Problem("You can't add a game in advance of the current date! ",
                                     Icon::Warning, {GameControl::DatePicker, 0});
    }
    if (!validation.problem) {
        validation.problem = CheckHoleScores(entry);
    }
    if (validation.problem) {
        return validation;
    }
    if (!IsNumeric(entry.out) && !IsNumeric(entry.in)) {
        validation.problem =
            Problem("No valid Par scores entered for Front 9 Out and Back 9 In. ", Icon::Critical);
        return validation;
    }
    // One nine alone is a nine-hole game, which has no minimum score.
    CheckEighteenHoleScore(entry, validation);
    return validation;
}

std::optional<GameProblem> ResolveUnplayedNine(GameEntry& entry, const AskYesNo& ask) {
    if (auto problem = SettleNine(entry, kFrontNine, ask)) {
        return problem;
    }
    return SettleNine(entry, kBackNine, ask);
}

}  // namespace parlow::games
