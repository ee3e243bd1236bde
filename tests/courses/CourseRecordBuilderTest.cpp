#include <gtest/gtest.h>

#include "courses/rules/CourseRecordBuilder.h"
#include "tests/courses/CourseSample.h"

namespace {

using course_sample::ValidCourse;
using parlow::courses::BuildCourseRecord;
using parlow::courses::CourseEntry;
using parlow::courses::CourseScreen;
using parlow::courses::MakeNewClubID;

TEST(CourseRecordBuilderTest, EveryFieldOfTheRecord) {
    CourseEntry entry = ValidCourse();
    entry.clubName = "O'Brien's Links";
    entry.par[8] = "4.5";
    entry.hcap[17] = "18.5";
    const zeviza::CourseRecord course = BuildCourseRecord(entry, CourseScreen::Entry, "C16");

    zeviza::CourseRecord expected{.clubId = "C16",
                                  .name = "O'Brien's Links",
                                  .address = "1 Fairway Rd",
                                  .city = "Augusta",
                                  .state = "GA",
                                  .postalCode = "30904",
                                  .clubPhone = "555-0100",
                                  .proShopPhone = "555-0101",
                                  .clubPro = "Sam Snead",
                                  .assistantPro = "Ben Hogan",
                                  .manager = "Bobby Jones",
                                  .tees = "White",
                                  .pars = {4, 4, 3, 5, 4, 4, 3, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4},
                                  .parOut = 36,
                                  .parIn = 36,
                                  .coursePar = 72,
                                  .holeHandicaps = {},
                                  .slope = 113,
                                  .rating = 70.4f,
                                  .par3s = 4,
                                  .par4s = 10,
                                  .par5s = 4,
                                  .fairways = 14,
                                  .yards = 6800};
    EXPECT_EQ(course.holeHandicaps[0], 1);
    EXPECT_EQ(course.holeHandicaps[16], 17);
    EXPECT_EQ(course.holeHandicaps[17], 18) << "18.5 rounds to the even 18";
    expected.holeHandicaps = course.holeHandicaps;
    EXPECT_EQ(course, expected);
}

TEST(CourseRecordBuilderTest, TheEditScreensRecordCarriesTheChosenCourse) {
    const auto course = BuildCourseRecord(ValidCourse(), CourseScreen::Edit, "C4");
    EXPECT_EQ(course.clubId, "C4");
    EXPECT_EQ(course.tees, "White");
}

TEST(CourseRecordBuilderTest, StatisticsThatAreNotNumbersStoreZero) {
    CourseEntry entry = ValidCourse();
    entry.par3s = "";
    entry.par5s = "four";
    entry.length = "40000";
    const auto course = BuildCourseRecord(entry, CourseScreen::Edit, "");
    EXPECT_EQ(course.par3s, 0);
    EXPECT_EQ(course.par4s, 10);
    EXPECT_EQ(course.par5s, 0);
    EXPECT_EQ(course.yards, 0);
}

TEST(CourseRecordBuilderTest, NewCourseWithoutFairwayCountGetsFourteenWhenItHasPar4s) {
    auto fairways = [](const char* typed, const char* par4s, CourseScreen screen) {
        CourseEntry entry = ValidCourse();
        entry.fairways = typed;
        entry.par4s = par4s;
        return BuildCourseRecord(entry, screen, "C2").fairways;
    };
    EXPECT_EQ(fairways("", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("0", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("0.4", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("none", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("", "", CourseScreen::Entry), 0);
    EXPECT_EQ(fairways("12", "10", CourseScreen::Entry), 12);
    EXPECT_EQ(fairways("", "10", CourseScreen::Edit), 0);
}

TEST(CourseRecordBuilderTest, StateKeepsItsFirstTwoCharacters) {
    CourseEntry entry = ValidCourse();
    entry.state = "ON - Ontario";
    EXPECT_EQ(BuildCourseRecord(entry, CourseScreen::Entry, "").state, "ON");
    entry.state = "Q";
    EXPECT_EQ(BuildCourseRecord(entry, CourseScreen::Entry, "").state, "Q");
    entry.state =
        "Qu\xC3\xA9"
        "bec";
    EXPECT_EQ(BuildCourseRecord(entry, CourseScreen::Entry, "").state, "Qu");
    entry.state = "\xC3\x89tat";
    EXPECT_EQ(BuildCourseRecord(entry, CourseScreen::Entry, "").state, "\xC3\x89t");
}

TEST(CourseRecordBuilderTest, RatingIsStoredAsTyped) {
    CourseEntry entry = ValidCourse();
    entry.rating = "0.6";
    EXPECT_EQ(BuildCourseRecord(entry, CourseScreen::Entry, "").rating, 0.6f);
}

zeviza::RecordSet NewClubIdRows(zeviza::Value largest) {
    return zeviza::RecordSet({"NewClubID"}, {{largest}});
}

TEST(CourseRecordBuilderTest, NewClubIdIsTwiceTheNextRowNumber) {
    auto empty = NewClubIdRows(nullptr);
    EXPECT_EQ(MakeNewClubID(&empty), "C2");
    auto zero = NewClubIdRows(0);
    EXPECT_EQ(MakeNewClubID(&zero), "C2");
    auto seven = NewClubIdRows(7);
    EXPECT_EQ(MakeNewClubID(&seven), "C16");
}

TEST(CourseRecordBuilderTest, NoNewClubIdWithoutARowToReadItFrom) {
    EXPECT_FALSE(MakeNewClubID(nullptr).has_value());
    zeviza::RecordSet noRows({"NewClubID"}, {});
    EXPECT_FALSE(MakeNewClubID(&noRows).has_value());
    zeviza::RecordSet closed = NewClubIdRows(7);
    closed.Close();
    EXPECT_FALSE(MakeNewClubID(&closed).has_value());
    zeviza::RecordSet otherColumn({"Other"}, {{zeviza::Value(7)}});
    EXPECT_FALSE(MakeNewClubID(&otherColumn).has_value());
}

}  // namespace
