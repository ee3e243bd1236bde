#include <gtest/gtest.h>

#include <functional>

#include "courses/rules/CourseChecks.h"
#include "tests/courses/CourseSample.h"

namespace {

using course_sample::ValidCourse;
using parlow::courses::CheckParTotals;
using parlow::courses::CourseCheckResult;
using parlow::courses::CourseControl;
using parlow::courses::CourseEntry;
using parlow::courses::CourseFocus;
using parlow::courses::CourseScreen;
using parlow::courses::ValidateCourse;
using zeviza::Icon;

constexpr CourseScreen kEntry = CourseScreen::Entry;
constexpr CourseScreen kEdit = CourseScreen::Edit;

CourseFocus NumBox(int index) {
    return {CourseControl::NumBox, index};
}

CourseCheckResult Validate(const std::function<void(CourseEntry&)>& change,
                           CourseScreen screen = kEntry) {
    CourseEntry entry = ValidCourse();
    change(entry);
    return ValidateCourse(entry, screen);
}

void ExpectFailure(const CourseCheckResult& result, const std::string& message, Icon icon,
                   CourseFocus focus) {
    EXPECT_FALSE(result.pass);
    EXPECT_EQ(result.message, message);
    EXPECT_EQ(result.icon, icon);
    EXPECT_EQ(result.focus.control, focus.control);
    EXPECT_EQ(result.focus.index, focus.index);
}

const std::string kFrontNine = "The par value entered for the Front 9 does not \r\n";
const std::string kBackNine = "The par value entered for the Back 9 does not \r\n";
const std::string kEntryEnding = "equal the values you entered in the holes. ";
const std::string kEditEnding = "equal the values you entered for the holes. ";
const std::string kCourseParRange =
    "Course Par is not valid! \r\nPar must be between 70 and 73 for standard 18-hole courses or "
    "54 for Par 3 18-hole courses.";
const std::string kCourseTotal =
    "The Par value entered for the course does not equal the\r\nPar values you entered for the "
    "Front 9 plus Back 9 holes. ";
const std::string kParRange = "Par values must be 3 or 4 or 5 ";

TEST(CourseChecksTest, ACompleteCoursePassesOnBothScreens) {
    EXPECT_TRUE(Validate([](CourseEntry&) {}, kEntry).pass);
    EXPECT_TRUE(Validate([](CourseEntry&) {}, kEdit).pass);
    // A course of eighteen par 3s is a legal course.
    EXPECT_TRUE(Validate([](CourseEntry& e) {
                    e.par.fill("3");
                    e.out = "27";
                    e.in = "27";
                    e.coursePar = "54";
                }).pass);
}

TEST(CourseChecksTest, EachMessageIconAndFocus) {
    const CourseFocus state{CourseControl::StateBox, 0};
    ExpectFailure(Validate([](CourseEntry& e) { e.selectedCourse.clear(); }, kEdit),
                  "Select a course to edit! ", Icon::Warning, {CourseControl::CourseSelection, 0});
    ExpectFailure(Validate([](CourseEntry& e) { e.clubName.clear(); }),
                  "Missing or incomplete Club information! ", Icon::Warning,
                  {CourseControl::TxtBox, 0});
    ExpectFailure(Validate([](CourseEntry& e) { e.address.clear(); }, kEdit),
                  "Missing or incomplete Course information! ", Icon::Warning,
                  {CourseControl::TxtBox, 1});
    ExpectFailure(Validate([](CourseEntry& e) { e.city.clear(); }),
                  "Missing or incomplete Club information! ", Icon::Warning,
                  {CourseControl::TxtBox, 2});
    ExpectFailure(Validate([](CourseEntry& e) { e.par[4].clear(); }),
                  "Missing or incomplete Par information! ", Icon::Warning, NumBox(4));
    ExpectFailure(Validate([](CourseEntry& e) { e.out.clear(); }),
                  "Missing or incomplete Par information! ", Icon::Warning, NumBox(9));
    ExpectFailure(Validate([](CourseEntry& e) { e.state.clear(); }), "Select a State or Province! ",
                  Icon::Warning, state);
    ExpectFailure(Validate([](CourseEntry& e) { e.state = "- Canada -"; }),
                  "Select a valid State or Province!\r\nCanada is a country, not a state or "
                  "province. ",
                  Icon::Warning, state);
    ExpectFailure(Validate([](CourseEntry& e) { e.par[2] = "6"; }), kParRange, Icon::Warning,
                  NumBox(2));
    ExpectFailure(Validate([](CourseEntry& e) { e.par[12] = "x"; }), kParRange, Icon::Warning,
                  NumBox(13));
    ExpectFailure(Validate([](CourseEntry& e) { e.out = "35"; }), kFrontNine + kEntryEnding,
                  Icon::Critical, NumBox(9));
    ExpectFailure(Validate([](CourseEntry& e) { e.in = "37"; }, kEdit), kBackNine + kEditEnding,
                  Icon::Critical, NumBox(19));
    ExpectFailure(Validate([](CourseEntry& e) { e.coursePar.clear(); }),
                  "The Course Par value is invalid! ", Icon::Critical, NumBox(22));
    ExpectFailure(Validate([](CourseEntry& e) { e.coursePar = "seventy"; }),
                  "The Course Par value is invalid! ", Icon::Critical, NumBox(22));
    ExpectFailure(Validate([](CourseEntry& e) { e.coursePar = "74"; }), kCourseParRange,
                  Icon::Critical, NumBox(22));
    // The total is corrected where it is typed: the next keys never press Save.
    ExpectFailure(Validate([](CourseEntry& e) { e.coursePar = "71"; }), kCourseTotal,
                  Icon::Critical, NumBox(22));
    ExpectFailure(Validate([](CourseEntry& e) { e.slope.clear(); }), "Enter the USGA Slope value! ",
                  Icon::Warning, NumBox(20));
    ExpectFailure(Validate([](CourseEntry& e) { e.slope = "steep"; }),
                  "USGA Slope values range from 55 to 155 ", Icon::Warning, NumBox(20));
    ExpectFailure(Validate([](CourseEntry& e) { e.rating.clear(); }),
                  "Enter the USGA Rating value! ", Icon::Warning, NumBox(21));
}

TEST(CourseChecksTest, OnlyTheFirstFailureInCheckOrderIsReported) {
    auto result = Validate([](CourseEntry& e) {
        e.selectedCourse.clear();
        e.clubName.clear();
    });
    EXPECT_EQ(result.focus.control, CourseControl::TxtBox) << "entry screen has no selection";

    result = Validate([](CourseEntry& e) {
        e.city.clear();
        e.address.clear();
    });
    EXPECT_EQ(result.focus.index, 1);

    result = Validate([](CourseEntry& e) {
        e.state.clear();
        e.par[7].clear();
    });
    EXPECT_EQ(result.message, "Missing or incomplete Par information! ");

    result = Validate([](CourseEntry& e) {
        e.par[15] = "2";
        e.par[3] = "6";
        e.rating = "0";
    });
    EXPECT_EQ(result.focus, NumBox(3));

    result = Validate([](CourseEntry& e) {
        e.out = "30";
        e.in = "30";
        e.slope.clear();
    });
    EXPECT_EQ(result.message, kFrontNine + kEntryEnding);
}

TEST(CourseChecksTest, BackNineIsCheckedByRangeAndTotalNotByPresence) {
    auto result = Validate([](CourseEntry& e) { e.in.clear(); });
    EXPECT_EQ(result.message, kBackNine + kEntryEnding);
    result = Validate([](CourseEntry& e) { e.par[9].clear(); });
    EXPECT_EQ(result.message, kParRange);
    EXPECT_EQ(result.focus, NumBox(10));
}

TEST(CourseChecksTest, HolePar3To5ByWholeValue) {
    EXPECT_EQ(Validate([](CourseEntry& e) { e.par[0] = "2"; }).message, kParRange);
    EXPECT_EQ(Validate([](CourseEntry& e) { e.par[0] = "2.5"; }).message, kParRange);
    EXPECT_EQ(Validate([](CourseEntry& e) { e.par[0] = "5.5"; }).message, kParRange);
    // 4.5 is taken as 4, the par of hole 1 in the sample.
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.par[0] = "4.5"; }).pass);
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.par[0] = "3.5"; }).pass);
}

TEST(CourseChecksTest, CourseParAccepts27To73WhateverTheMessageSays) {
    auto coursePar = [](const char* value) {
        CourseEntry entry = ValidCourse();
        entry.coursePar = value;
        return CheckParTotals(entry, kEntry).message;
    };
    EXPECT_EQ(coursePar("26"), kCourseParRange);
    EXPECT_EQ(coursePar("27"), kCourseTotal) << "in range, so it reaches the total check";
    EXPECT_EQ(coursePar("73"), kCourseTotal);
    EXPECT_EQ(coursePar("74"), kCourseParRange);
    EXPECT_EQ(coursePar("99999"), "The Course Par value is invalid! ")
        << "beyond 16 bits is not a number";

    // 74 is refused by range even when it is the right total.
    CourseEntry entry = ValidCourse();
    entry.par[17] = "5";
    entry.in = "37";
    entry.coursePar = "73";
    EXPECT_TRUE(CheckParTotals(entry, kEntry).pass);
    entry.par[16] = "5";
    entry.par[15] = "5";
    entry.in = "38";
    entry.coursePar = "74";
    EXPECT_EQ(CheckParTotals(entry, kEntry).message, kCourseParRange);

    entry = ValidCourse();
    entry.par[17] = "5";
    entry.in = "37";
    entry.coursePar = "72";
    EXPECT_EQ(CheckParTotals(entry, kEntry).message, kCourseTotal);
}

TEST(CourseChecksTest, SlopeFrom55To155) {
    const std::string range = "USGA Slope values range from 55 to 155 ";
    EXPECT_EQ(Validate([](CourseEntry& e) { e.slope = "54"; }).message, range);
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.slope = "55"; }).pass);
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.slope = "155"; }).pass);
    EXPECT_EQ(Validate([](CourseEntry& e) { e.slope = "156"; }).message, range);
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.slope = "54.6"; }).pass);
    EXPECT_EQ(Validate([](CourseEntry& e) { e.slope = "1e6"; }).message, range);
}

TEST(CourseChecksTest, RatingMustNotRoundToZero) {
    const std::string missing = "Enter the USGA Rating value! ";
    EXPECT_EQ(Validate([](CourseEntry& e) { e.rating = "0.4"; }).message, missing);
    EXPECT_EQ(Validate([](CourseEntry& e) { e.rating = "0.5"; }).message, missing);
    EXPECT_EQ(Validate([](CourseEntry& e) { e.rating = "abc"; }).message, missing);
    EXPECT_EQ(Validate([](CourseEntry& e) { e.rating = "40000"; }).message, missing);
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.rating = "0.6"; }).pass);
}

TEST(CourseChecksTest, HandicapsThatAreNotNumbersBecomeZeroAndNothingElseIsChecked) {
    CourseEntry entry = ValidCourse();
    entry.hcap[0] = "x";
    entry.hcap[1] = "";
    entry.hcap[2] = "99999";
    entry.hcap[3] = "1";  // a duplicate of hole 1's index
    entry.hcap[4] = "-40";
    entry.par[17] = "7";  // a later check fails; the rewrite has happened anyway
    ValidateCourse(entry, kEntry);
    EXPECT_EQ(entry.hcap[0], "0");
    EXPECT_EQ(entry.hcap[1], "0");
    EXPECT_EQ(entry.hcap[2], "0");
    EXPECT_EQ(entry.hcap[3], "1");
    EXPECT_EQ(entry.hcap[4], "-40");

    // Before the handicap step nothing is rewritten.
    entry = ValidCourse();
    entry.hcap[0] = "x";
    entry.state.clear();
    ValidateCourse(entry, kEntry);
    EXPECT_EQ(entry.hcap[0], "x");
}

TEST(CourseChecksTest, AnyStateButTheSeparatorPasses) {
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.state = "ON - Ontario"; }).pass);
    EXPECT_TRUE(Validate([](CourseEntry& e) { e.state = "- Canada"; }).pass);
}

}  // namespace
