#include <gtest/gtest.h>

#include "courses/rules/ClubRecordArgs.h"
#include "tests/courses/CourseSample.h"

namespace {

using course_sample::ValidCourse;
using parlow::courses::BuildClubRecordArgs;
using parlow::courses::ClubRecordArgs;
using parlow::courses::CourseEntry;
using parlow::courses::CourseScreen;
using parlow::courses::MakeNewClubID;

TEST(ClubRecordArgsTest, EverySlotOfTheArrays) {
    CourseEntry entry = ValidCourse();
    entry.clubName = "O'Brien's Links";
    entry.par[8] = "4.5";
    entry.hcap[17] = "18.5";
    const ClubRecordArgs args = BuildClubRecordArgs(entry, CourseScreen::Entry, "C16");

    const zeviza::TextArray texts = {
        "O'Brien's Links", "1 Fairway Rd", "Augusta",     "GA",  "30904", "555-0100", "555-0101",
        "Sam Snead",       "Ben Hogan",    "Bobby Jones", "C16", "White", ""};
    EXPECT_EQ(args.strText, texts);
    const zeviza::IntArray numbers = {4, 4, 3, 5, 4, 4, 3, 4,  4,   36, 4, 3,
                                      5, 4, 4, 3, 4, 5, 4, 36, 113, 72, 0};
    EXPECT_EQ(args.intNumbers, numbers);
    ASSERT_EQ(args.intCaps.size(), 19u);
    EXPECT_EQ(args.intCaps[0], 1);
    EXPECT_EQ(args.intCaps[16], 17);
    EXPECT_EQ(args.intCaps[17], 18) << "18.5 rounds to the even 18";
    EXPECT_EQ(args.intCaps[18], 0);
    EXPECT_EQ(args.intStats, (zeviza::IntArray{4, 10, 4, 14, 6800, 0}));
    EXPECT_EQ(args.sngRating, 70.4f);
}

TEST(ClubRecordArgsTest, EditScreenLeavesTheIdentifierSlotEmpty) {
    const ClubRecordArgs args = BuildClubRecordArgs(ValidCourse(), CourseScreen::Edit, "");
    EXPECT_EQ(args.strText[10], "");
    EXPECT_EQ(args.strText[11], "White");
}

TEST(ClubRecordArgsTest, StatisticsThatAreNotNumbersStoreZero) {
    CourseEntry entry = ValidCourse();
    entry.par3s = "";
    entry.par5s = "four";
    entry.length = "40000";
    const ClubRecordArgs args = BuildClubRecordArgs(entry, CourseScreen::Edit, "");
    EXPECT_EQ(args.intStats[0], 0);
    EXPECT_EQ(args.intStats[1], 10);
    EXPECT_EQ(args.intStats[2], 0);
    EXPECT_EQ(args.intStats[4], 0);
}

TEST(ClubRecordArgsTest, NewCourseWithoutFairwayCountGetsFourteenWhenItHasPar4s) {
    auto fairways = [](const char* typed, const char* par4s, CourseScreen screen) {
        CourseEntry entry = ValidCourse();
        entry.fairways = typed;
        entry.par4s = par4s;
        return BuildClubRecordArgs(entry, screen, "C2").intStats[3];
    };
    EXPECT_EQ(fairways("", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("0", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("0.4", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("none", "10", CourseScreen::Entry), 14);
    EXPECT_EQ(fairways("", "", CourseScreen::Entry), 0);
    EXPECT_EQ(fairways("12", "10", CourseScreen::Entry), 12);
    EXPECT_EQ(fairways("", "10", CourseScreen::Edit), 0);
}

TEST(ClubRecordArgsTest, StateKeepsItsFirstTwoCharacters) {
    CourseEntry entry = ValidCourse();
    entry.state = "ON - Ontario";
    EXPECT_EQ(BuildClubRecordArgs(entry, CourseScreen::Entry, "").strText[3], "ON");
    entry.state = "Q";
    EXPECT_EQ(BuildClubRecordArgs(entry, CourseScreen::Entry, "").strText[3], "Q");
    entry.state =
        "Qu\xC3\xA9"
        "bec";
    EXPECT_EQ(BuildClubRecordArgs(entry, CourseScreen::Entry, "").strText[3], "Qu");
    entry.state = "\xC3\x89tat";
    EXPECT_EQ(BuildClubRecordArgs(entry, CourseScreen::Entry, "").strText[3], "\xC3\x89t");
}

TEST(ClubRecordArgsTest, RatingIsStoredAsTyped) {
    CourseEntry entry = ValidCourse();
    entry.rating = "0.6";
    EXPECT_EQ(BuildClubRecordArgs(entry, CourseScreen::Entry, "").sngRating, 0.6f);
}

zeviza::RecordSet NewClubIdRows(zeviza::Value largest) {
    return zeviza::RecordSet({"NewClubID"}, {{largest}});
}

TEST(ClubRecordArgsTest, NewClubIdIsTwiceTheNextRowNumber) {
    auto empty = NewClubIdRows(nullptr);
    EXPECT_EQ(MakeNewClubID(&empty), "C2");
    auto zero = NewClubIdRows(0);
    EXPECT_EQ(MakeNewClubID(&zero), "C2");
    auto seven = NewClubIdRows(7);
    EXPECT_EQ(MakeNewClubID(&seven), "C16");
}

TEST(ClubRecordArgsTest, NoNewClubIdWithoutARowToReadItFrom) {
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
