#include "courses/rules/CourseChecks.h"

#include "zeviza/TextNumber.h"

namespace parlow::courses {
namespace {

using zeviza::Icon;

constexpr const char* kLineBreak = "\r\n";
constexpr const char* kCanadaSeparator = "- Canada -";
constexpr int kLowestCoursePar = 27;
constexpr int kHighestCoursePar = 73;
constexpr int kLowestSlope = 55;
constexpr int kHighestSlope = 155;

bool IsNumeric(const std::string& text) {
    return zeviza::ReadWholeNumber(text).IsWhole();
}

// 0 for a text that is not numeric; callers that care check IsNumeric first.
int Whole(const std::string& text) {
    return zeviza::ReadWholeNumber(text).value;
}

CourseFocus NumBox(int index) {
    return {CourseControl::NumBox, index};
}

CourseCheckResult Warn(std::string message, CourseFocus focus) {
    return CourseCheckResult::Fail(std::move(message), Icon::Warning, focus);
}

CourseCheckResult Refuse(std::string message, CourseFocus focus) {
    return CourseCheckResult::Fail(std::move(message), Icon::Critical, focus);
}

CourseCheckResult CheckSelection(const CourseEntry& entry, CourseScreen screen) {
    if (screen == CourseScreen::Edit && entry.selectedCourse.empty()) {
        return Warn("Select a course to edit! ", {CourseControl::CourseSelection, 0});
    }
    return CourseCheckResult::Pass();
}

CourseCheckResult CheckClubInformation(const CourseEntry& entry, CourseScreen screen) {
    const std::string* required[] = {&entry.clubName, &entry.address, &entry.city};
    for (int box = 0; box < 3; ++box) {
        if (required[box]->empty()) {
            return Warn(screen == CourseScreen::Entry
                            ? "Missing or incomplete Club information! "
                            : "Missing or incomplete Course information! ",
                        {CourseControl::TxtBox, box});
        }
    }
    return CourseCheckResult::Pass();
}

// Only the front nine and Out are required here; an empty back nine is caught
// by the par range and par total checks instead.
CourseCheckResult CheckFrontNineFilled(const CourseEntry& entry) {
    for (int hole = 0; hole < 9; ++hole) {
        if (entry.par[hole].empty()) {
            return Warn("Missing or incomplete Par information! ", NumBox(ParBox(hole)));
        }
    }
    if (entry.out.empty()) {
        return Warn("Missing or incomplete Par information! ", NumBox(kOutBox));
    }
    return CourseCheckResult::Pass();
}

CourseCheckResult CheckState(const CourseEntry& entry) {
    const CourseFocus stateBox{CourseControl::StateBox, 0};
    if (entry.state.empty()) {
        return Warn("Select a State or Province! ", stateBox);
    }
    if (entry.state == kCanadaSeparator) {
        return Warn(std::string("Select a valid State or Province!") + kLineBreak +
                        "Canada is a country, not a state or province. ",
                    stateBox);
    }
    return CourseCheckResult::Pass();
}

void ZeroHandicapsThatAreNotNumbers(CourseEntry& entry) {
    for (std::string& hcap : entry.hcap) {
        if (!IsNumeric(hcap)) {
            hcap = "0";
        }
    }
}

CourseCheckResult CheckHolePars(const CourseEntry& entry, int firstHole) {
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        const std::string& par = entry.par[hole];
        if (!IsNumeric(par) || Whole(par) < 3 || Whole(par) > 5) {
            return Warn("Par values must be 3 or 4 or 5 ", NumBox(ParBox(hole)));
        }
    }
    return CourseCheckResult::Pass();
}

CourseCheckResult CheckSlope(const CourseEntry& entry) {
    if (entry.slope.empty()) {
        return Warn("Enter the USGA Slope value! ", NumBox(kSlopeBox));
    }
    if (!IsNumeric(entry.slope) || Whole(entry.slope) < kLowestSlope ||
        Whole(entry.slope) > kHighestSlope) {
        return Warn("USGA Slope values range from 55 to 155 ", NumBox(kSlopeBox));
    }
    return CourseCheckResult::Pass();
}

// A rating that rounds to 0 counts as missing; nothing else bounds it.
CourseCheckResult CheckRating(const CourseEntry& entry) {
    if (!IsNumeric(entry.rating) || Whole(entry.rating) == 0) {
        return Warn("Enter the USGA Rating value! ", NumBox(kRatingBox));
    }
    return CourseCheckResult::Pass();
}

int SumOfNinePars(const CourseEntry& entry, int firstHole) {
    int sum = 0;
    for (int hole = firstHole; hole < firstHole + 9; ++hole) {
        sum += Whole(entry.par[hole]);
    }
    return sum;
}

CourseCheckResult CheckNineTotal(const CourseEntry& entry, CourseScreen screen, bool backNine) {
    const std::string& total = backNine ? entry.in : entry.out;
    if (IsNumeric(total) && Whole(total) == SumOfNinePars(entry, backNine ? 9 : 0)) {
        return CourseCheckResult::Pass();
    }
    const char* ending = screen == CourseScreen::Entry
                             ? "equal the values you entered in the holes. "
                             : "equal the values you entered for the holes. ";
    return Refuse(std::string("The par value entered for the ") + (backNine ? "Back" : "Front") +
                      " 9 does not " + kLineBreak + ending,
                  NumBox(backNine ? kInBox : kOutBox));
}

CourseCheckResult CheckCoursePar(const CourseEntry& entry) {
    if (!IsNumeric(entry.coursePar)) {
        return Refuse("The Course Par value is invalid! ", NumBox(kCourseParBox));
    }
    const int coursePar = Whole(entry.coursePar);
    // The message names the usual course pars; the range it enforces is wider.
    if (coursePar < kLowestCoursePar || coursePar > kHighestCoursePar) {
        return Refuse(std::string("Course Par is not valid! ") + kLineBreak +
                          "Par must be between 70 and 73 for standard 18-hole courses " +
                          "or 54 for Par 3 18-hole courses.",
                      NumBox(kCourseParBox));
    }
    if (coursePar != Whole(entry.out) + Whole(entry.in)) {
        return Refuse(std::string("The Par value entered for the course does not equal the") +
                          kLineBreak + "Par values you entered for the Front 9 plus Back 9 holes. ",
                      // Back where the total is typed, so that the next keys
                      // correct it rather than press Save.
                      NumBox(kCourseParBox));
    }
    return CourseCheckResult::Pass();
}

}  // namespace

CourseCheckResult ValidateCourse(CourseEntry& entry, CourseScreen screen) {
    if (auto result = CheckSelection(entry, screen); !result.pass) {
        return result;
    }
    if (auto result = CheckClubInformation(entry, screen); !result.pass) {
        return result;
    }
    if (auto result = CheckFrontNineFilled(entry); !result.pass) {
        return result;
    }
    if (auto result = CheckState(entry); !result.pass) {
        return result;
    }
    ZeroHandicapsThatAreNotNumbers(entry);
    if (auto result = CheckHolePars(entry, 0); !result.pass) {
        return result;
    }
    if (auto result = CheckHolePars(entry, 9); !result.pass) {
        return result;
    }
    if (auto result = CheckParTotals(entry, screen); !result.pass) {
        return result;
    }
    if (auto result = CheckSlope(entry); !result.pass) {
        return result;
    }
    return CheckRating(entry);
}

CourseCheckResult CheckParTotals(const CourseEntry& entry, CourseScreen screen) {
    if (auto result = CheckNineTotal(entry, screen, false); !result.pass) {
        return result;
    }
    if (auto result = CheckNineTotal(entry, screen, true); !result.pass) {
        return result;
    }
    return CheckCoursePar(entry);
}

}  // namespace parlow::courses
