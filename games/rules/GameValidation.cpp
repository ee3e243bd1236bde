#include "games/rules/GameValidation.h"

#include <string_view>

#include "zeviza/TextNumber.h"

namespace parlow::games {
namespace {

using zeviza::Icon;

constexpr const char* kLineBreak = "\r\n";
constexpr int kLowestEighteenHoleScore = 58;
constexpr int kLowestHoleScore = 1;
constexpr int kHighestHoleScore = 20;
constexpr const char* kNotValid = "Score values entered are not valid! ";

// A number too large for 16 bits is still a number here; the range checks
// refuse it by name.
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

std::string InvalidHole(int hole) {
    return "Invalid hole score found in hole #" + std::to_string(hole + 1) + " ";
}

std::optional<GameProblem> CheckHoleTexts(const GameEntry& entry) {
    for (int hole = 0; hole < 18; ++hole) {
        const std::string& score = entry.hole[hole];
        if (!score.empty() && !IsNumeric(score)) {
            return Problem(InvalidHole(hole), Icon::Critical, {GameControl::TxtBox, hole});
        }
    }
    return std::nullopt;
}

std::string PartnerScoreName(int partner) {
    return "Playing Partner " + std::to_string(partner + 1) + " Score";
}

// Text that is no number is refused by the name of its field rather than
// stored as 0; an empty field stays 0.
std::optional<GameProblem> CheckNumberTexts(const GameEntry& entry) {
    auto refuse = [](const std::string& text, std::string_view name,
                     GameFocus focus) -> std::optional<GameProblem> {
        if (text.empty() || IsNumeric(text)) {
            return std::nullopt;
        }
        return Problem(zeviza::NotANumberMessage(name), Icon::Critical, focus);
    };
    std::optional<GameProblem> problem = refuse(entry.out, "Out", {GameControl::TxtPar, 0});
    problem = problem ? problem : refuse(entry.in, "In", {GameControl::TxtPar, 1});
    for (int count = 0; count < 24 && !problem; ++count) {
        problem = refuse(entry.detail[count], kDetailNames[count], {GameControl::StatBox, count});
    }
    for (int partner = 0; partner < 3 && !problem; ++partner) {
        problem = refuse(entry.partnerScore[partner], PartnerScoreName(partner),
                         {GameControl::TxtBox, 21 + partner});
    }
    return problem;
}

// Out + In for the Net field, whenever both are numbers that fit 16 bits
// together.
void ShowNetSum(const GameEntry& entry, GameValidation& validation) {
    const zeviza::WholeNumber out = zeviza::ReadWholeNumber(entry.out);
    const zeviza::WholeNumber in = zeviza::ReadWholeNumber(entry.in);
    if (!out.IsWhole() || !in.IsWhole()) {
        return;
    }
    const int sum = out.value + in.value;
    if (sum >= INT16_MIN && sum <= INT16_MAX) {
        validation.netSum = static_cast<std::int16_t>(sum);
    }
}

// One hole of the nine is at most 20 and at least 1.
std::optional<GameProblem> CheckPlayedNine(const GameEntry& entry, int firstHole) {
    const bool back = firstHole == 9;
    const zeviza::WholeNumber total = zeviza::ReadWholeNumber(back ? entry.in : entry.out);
    if (!total.IsWhole() || total.value < 9 * kLowestHoleScore ||
        total.value > 9 * kHighestHoleScore) {
        return Problem(std::string(kNotValid) + kLineBreak + "The " + (back ? "In" : "Out") +
                           " score of a nine must be between 9 and 180. ",
                       Icon::Critical, {GameControl::TxtPar, back ? 1 : 0});
    }
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        if (entry.hole[hole].empty()) {
            continue;  // settled with the golfer once the entry is confirmed
        }
        const zeviza::WholeNumber score = zeviza::ReadWholeNumber(entry.hole[hole]);
        if (!score.IsWhole() || score.value < kLowestHoleScore || score.value > kHighestHoleScore) {
            return Problem(
                InvalidHole(hole) + kLineBreak + "A hole score must be between 1 and 20. ",
                Icon::Critical, {GameControl::TxtBox, hole});
        }
    }
    return std::nullopt;
}

// A partner played a round of the same length: empty or 0 when not given.
std::optional<GameProblem> CheckPartnerScores(const GameEntry& entry, int holes) {
    const int lowest = holes == 18 ? kLowestEighteenHoleScore : holes * kLowestHoleScore;
    const int highest = holes * kHighestHoleScore;
    for (int partner = 0; partner < 3; ++partner) {
        const zeviza::WholeNumber score = zeviza::ReadWholeNumber(entry.partnerScore[partner]);
        if (entry.partnerScore[partner].empty() || (score.IsWhole() && score.value == 0)) {
            continue;
        }
        if (!score.IsWhole() || score.value < lowest || score.value > highest) {
            return Problem(std::string(kNotValid) + kLineBreak + PartnerScoreName(partner) +
                               " must be 0 or between " + std::to_string(lowest) + " and " +
                               std::to_string(highest) + " for " + std::to_string(holes) +
                               " holes. ",
                           Icon::Critical, {GameControl::TxtBox, 21 + partner});
        }
    }
    return std::nullopt;
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

bool IsPlayedNine(const std::string& total) {
    const zeviza::WholeNumber number = zeviza::ReadWholeNumber(total);
    return number.reading == zeviza::TextReading::OutOfRange || number.value != 0;
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
        validation.problem = CheckHoleTexts(entry);
    }
    if (!validation.problem) {
        validation.problem = CheckNumberTexts(entry);
    }
    if (validation.problem) {
        return validation;
    }
    ShowNetSum(entry, validation);
    // A nine whose total is empty or 0 was not played, however the 0 got
    // there: typed, or written by an earlier save that stopped.
    const bool front = IsPlayedNine(entry.out);
    const bool back = IsPlayedNine(entry.in);
    if (!front && !back) {
        validation.problem =
            Problem("No valid Par scores entered for Front 9 Out and Back 9 In. ", Icon::Critical);
        return validation;
    }
    if (front) {
        validation.problem = CheckPlayedNine(entry, 0);
    }
    if (!validation.problem && back) {
        validation.problem = CheckPlayedNine(entry, 9);
    }
    // Only a round of both nines has a minimum score.
    if (!validation.problem && front && back && validation.netSum &&
        *validation.netSum < kLowestEighteenHoleScore) {
        validation.problem = Problem(std::string(kNotValid) + kLineBreak +
                                         "The minimum score for 18 holes cannot be less than 58 ",
                                     Icon::Critical);
    }
    if (!validation.problem) {
        validation.problem = CheckPartnerScores(entry, front && back ? 18 : 9);
    }
    return validation;
}

std::optional<GameProblem> ResolveUnplayedNine(GameEntry& entry, const AskYesNo& ask) {
    if (auto problem = SettleNine(entry, kFrontNine, ask)) {
        return problem;
    }
    if (auto problem = SettleNine(entry, kBackNine, ask)) {
        return problem;
    }
    // Two Yes answers leave no nine played: nothing to store.
    if (!IsPlayedNine(entry.out) && !IsPlayedNine(entry.in)) {
        return Problem("No valid Par scores entered for Front 9 Out and Back 9 In. ",
                       Icon::Critical, {GameControl::TxtBox, 0});
    }
    return std::nullopt;
}

}  // namespace parlow::games
