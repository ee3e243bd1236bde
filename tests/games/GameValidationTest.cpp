#include <gtest/gtest.h>

#include <vector>

#include "games/rules/GameValidation.h"
#include "tests/games/GameSample.h"

namespace {

using namespace std::chrono_literals;
using game_sample::FullRound;
using game_sample::kToday;
using parlow::games::GameControl;
using parlow::games::GameEntry;
using parlow::games::GameFocus;
using parlow::games::GameProblem;
using parlow::games::GameValidation;
using zeviza::Icon;

const std::string kMinimumScore =
    "Score values entered are not valid! \r\nThe minimum score for 18 holes cannot be less than "
    "58 ";
const std::string kNoNines = "No valid Par scores entered for Front 9 Out and Back 9 In. ";

GameValidation Validate(const GameEntry& entry,
                        parlow::games::CourseCard course = game_sample::ParSeventyTwo(),
                        parlow::games::GolferChoice golfer = game_sample::Golfer(),
                        std::chrono::year_month_day date = kToday) {
    return parlow::games::ValidateGame(entry, course, golfer, date, kToday);
}

GameEntry WithTotals(const char* out, const char* in) {
    GameEntry entry = FullRound();
    entry.out = out;
    entry.in = in;
    return entry;
}

void ExpectProblem(const std::optional<GameProblem>& problem, const std::string& message, Icon icon,
                   GameFocus focus) {
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message, message);
    EXPECT_EQ(problem->icon, icon);
    EXPECT_EQ(problem->focus.control, focus.control);
    EXPECT_EQ(problem->focus.index, focus.index);
}

TEST(ValidateGameTest, EachRefusalInOrderWithIconAndFocus) {
    GameEntry entry = FullRound();
    entry.hole[11] = "abc";
    entry.out = "";
    entry.in = "";
    parlow::games::CourseCard noCourse;
    parlow::games::GolferChoice noGolfer;
    const auto tomorrow = std::chrono::sys_days(kToday) + std::chrono::days(1);

    ExpectProblem(Validate(entry, noCourse, noGolfer, tomorrow).problem,
                  "Please select the Course where this game was played. \r\n\r\nYou must have at "
                  "least one Course record before adding a Game record. ",
                  Icon::Critical, {GameControl::CourseList, 0});
    ExpectProblem(Validate(entry, game_sample::ParSeventyTwo(), noGolfer, tomorrow).problem,
                  "Please select a Golfer. \r\n\r\nYou must have at least one Golfer before adding "
                  "Game records. ",
                  Icon::Warning, {GameControl::GolferList, 0});
    ExpectProblem(
        Validate(entry, game_sample::ParSeventyTwo(), game_sample::Golfer(), tomorrow).problem,
        "You can't add a game in advance of the current date! ", Icon::Warning,
        {GameControl::DatePicker, 0});
    ExpectProblem(Validate(entry).problem, "Invalid hole score found in hole #12 ", Icon::Critical,
                  {GameControl::TxtBox, 11});
    entry.hole[11] = "5";
    ExpectProblem(Validate(entry).problem, kNoNines, Icon::Critical, {});
    entry.out = "30";
    entry.in = "27";
    ExpectProblem(Validate(entry).problem, kMinimumScore, Icon::Critical, {});
}

TEST(ValidateGameTest, TodayAndEarlierAreAccepted) {
    EXPECT_TRUE(Validate(FullRound(), game_sample::ParSeventyTwo(), game_sample::Golfer(), kToday)
                    .Passed());
    EXPECT_TRUE(
        Validate(FullRound(), game_sample::ParSeventyTwo(), game_sample::Golfer(), 2000y / 1 / 1)
            .Passed());
}

TEST(ValidateGameTest, HoleScoresMayBeEmptyOrAnyNumber) {
    GameEntry entry = FullRound();
    entry.hole[0] = "";
    entry.hole[1] = "4.5";
    entry.hole[2] = "99999";  // refused later, when the figures overflow
    entry.hole[3] = "-1";
    EXPECT_TRUE(Validate(entry).Passed());
    entry.hole[17] = "4 ";
    entry.hole[4] = "x";
    ExpectProblem(Validate(entry).problem, "Invalid hole score found in hole #5 ", Icon::Critical,
                  {GameControl::TxtBox, 4});
}

TEST(ValidateGameTest, MinimumEighteenHoleScoreIs58) {
    GameValidation result = Validate(WithTotals("30", "27"));
    EXPECT_FALSE(result.Passed());
    EXPECT_EQ(result.netSum, 57) << "the sum is shown even when refused";
    result = Validate(WithTotals("30", "28"));
    EXPECT_TRUE(result.Passed());
    EXPECT_EQ(result.netSum, 58);
    EXPECT_EQ(Validate(WithTotals("29.5", "28")).netSum, 58) << "29.5 rounds to the even 30";
}

TEST(ValidateGameTest, OneNineAloneHasNoMinimumAndNoSum) {
    for (auto [out, in] : {std::pair{"", "38"}, {"20", ""}, {"x", "1"}, {"9", "nine"}}) {
        const GameValidation result = Validate(WithTotals(out, in));
        EXPECT_TRUE(result.Passed()) << out << "/" << in;
        EXPECT_FALSE(result.netSum.has_value());
    }
    EXPECT_EQ(Validate(WithTotals("abc", "")).problem->message, kNoNines);
}

TEST(ValidateGameTest, TotalsBeyondSixteenBitsAreLeftToTheFigures) {
    GameValidation result = Validate(WithTotals("32767", "1"));
    EXPECT_TRUE(result.Passed());
    EXPECT_FALSE(result.netSum.has_value());
    result = Validate(WithTotals("40000", "20"));
    EXPECT_TRUE(result.Passed());
    EXPECT_FALSE(result.netSum.has_value());
    result = Validate(WithTotals("-32768", "-1"));
    EXPECT_EQ(result.problem->message, kMinimumScore);
    EXPECT_FALSE(result.netSum.has_value());
}

TEST(ValidateGameTest, NoSumWhenAnEarlierCheckFails) {
    GameEntry entry = FullRound();
    entry.hole[0] = "?";
    EXPECT_FALSE(Validate(entry).netSum.has_value());
}

struct Questions {
    explicit Questions(std::vector<bool> answers = {}) : answers(std::move(answers)) {}

    std::vector<bool> answers;
    std::vector<std::string> asked;

    parlow::games::AskYesNo Callback() {
        return [this](const std::string& question) {
            asked.push_back(question);
            const bool yes = answers.at(asked.size() - 1);
            return yes;
        };
    }
};

const std::string kBackOnly = "Did you only play the Back 9 holes for this game? ";
const std::string kFrontOnly = "Did you only play the Front 9 holes for this game? ";

TEST(ResolveUnplayedNineTest, AFullRoundAsksNothing) {
    GameEntry entry = FullRound();
    Questions questions;
    EXPECT_FALSE(parlow::games::ResolveUnplayedNine(entry, questions.Callback()).has_value());
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_EQ(entry.out, "40");
}

TEST(ResolveUnplayedNineTest, YesZeroesTheHolesAndTheTypedTotalOfThatNine) {
    GameEntry entry = FullRound();
    entry.hole[4] = "";
    Questions questions({true});
    EXPECT_FALSE(parlow::games::ResolveUnplayedNine(entry, questions.Callback()).has_value());
    EXPECT_EQ(questions.asked, std::vector<std::string>{kBackOnly});
    for (int hole = 0; hole < 9; ++hole) {
        EXPECT_EQ(entry.hole[hole], "0");
    }
    EXPECT_EQ(entry.out, "0");
    EXPECT_EQ(entry.hole[9], "5");
    EXPECT_EQ(entry.in, "45");
}

TEST(ResolveUnplayedNineTest, NoAbortsWithFocusOnTheNinesFirstHole) {
    GameEntry entry = FullRound();
    entry.hole[3] = "";
    Questions questions({false});
    ExpectProblem(parlow::games::ResolveUnplayedNine(entry, questions.Callback()),
                  "Enter the scores for the front 9 holes before continuing. ", Icon::Warning,
                  {GameControl::TxtBox, 0});
    EXPECT_EQ(entry.hole[0], "5") << "nothing rewritten";

    entry = FullRound();
    entry.hole[17] = "";
    questions = Questions({false});
    ExpectProblem(parlow::games::ResolveUnplayedNine(entry, questions.Callback()),
                  "Enter the scores for the back 9 holes before continuing. ", Icon::Warning,
                  {GameControl::TxtBox, 9});
    EXPECT_EQ(questions.asked, std::vector<std::string>{kFrontOnly});
}

TEST(ResolveUnplayedNineTest, BothQuestionsCanComeInOneSave) {
    GameEntry entry;
    entry.out = "40";
    entry.in = "38";
    Questions questions({true, false});
    EXPECT_TRUE(parlow::games::ResolveUnplayedNine(entry, questions.Callback()).has_value());
    EXPECT_EQ(questions.asked, (std::vector<std::string>{kBackOnly, kFrontOnly}));
    EXPECT_EQ(entry.out, "0") << "the front nine was settled before the back nine refused";
    EXPECT_EQ(entry.in, "38");
}

TEST(ResolveUnplayedNineTest, WithoutAnyoneToAskTheAnswerIsNo) {
    GameEntry entry;
    EXPECT_TRUE(parlow::games::ResolveUnplayedNine(entry, nullptr).has_value());
    EXPECT_EQ(entry.out, "");
}

}  // namespace
