// The golfer checks and record assembly, without any window.
#include <gtest/gtest.h>

#include "golfers/rules/GolferChecks.h"
#include "golfers/rules/GolferRecord.h"
#include "tests/support/LocaleEnvironment.h"

namespace parlow::golfers {
namespace {

GolferEntry Complete() {
    GolferEntry entry;
    entry.text[kFirstName] = "Ann";
    entry.text[kLastName] = "Lee";
    entry.text[kAddress] = "1 Fairway Rd";
    entry.text[kCity] = "Dayton";
    entry.state[kGolferState] = "OH - Ohio";
    entry.text[kAge] = "40";
    return entry;
}

GolferFocus TxtBox(int index) {
    return {GolferControl::TxtBox, index};
}
GolferFocus CboBox(int index) {
    return {GolferControl::CboBox, index};
}

void ExpectRefused(const GolferEntry& entry, const std::string& message, GolferFocus focus,
                   GolferScreen screen = GolferScreen::Entry) {
    const GolferCheckResult result = ValidateGolfer(entry, screen);
    EXPECT_FALSE(result.pass);
    EXPECT_EQ(result.message, message);
    EXPECT_EQ(result.focus, focus);
}

TEST(ValidateGolfer, RefusesInOrderFirstNameNamesStatesAge) {
    EXPECT_TRUE(ValidateGolfer(Complete(), GolferScreen::Entry).pass);

    // Only the first name filled: the last name is the first thing missing.
    GolferEntry onlyFirst;
    onlyFirst.text[kFirstName] = "Ann";
    ExpectRefused(onlyFirst, "Missing or incomplete information", TxtBox(kLastName));
    ExpectRefused(GolferEntry{}, "Golfer's First Name is missing! ", TxtBox(kFirstName));

    for (int box : {kLastName, kAddress, kCity}) {
        GolferEntry entry = Complete();
        entry.text[box].clear();
        entry.state[kGolferState].clear();  // later failures never win
        ExpectRefused(entry, "Missing or incomplete information", TxtBox(box));
        ExpectRefused(entry, "Missing or incomplete information! ", TxtBox(box),
                      GolferScreen::Edit);
    }

    GolferEntry noState = Complete();
    noState.state[kGolferState].clear();
    noState.text[kAge] = "abc";
    ExpectRefused(noState, "Select a State / Province! ", CboBox(kGolferState));
}

TEST(ValidateGolfer, CanadaIsRefusedInEitherListAndAnEmptyClubStateIsNot) {
    const std::string canada =
        "Select a valid State / Province!\r\nCanada is a country, not a state or province. ";
    GolferEntry entry = Complete();
    entry.state[kGolferState] = "- Canada -";
    entry.state[kClubState] = "- Canada -";
    ExpectRefused(entry, canada, CboBox(kGolferState));
    entry.state[kGolferState] = "ON - Ontario";
    ExpectRefused(entry, canada, CboBox(kClubState), GolferScreen::Edit);
    entry.state[kClubState].clear();
    EXPECT_TRUE(ValidateGolfer(entry, GolferScreen::Edit).pass);
}

TEST(ValidateGolfer, AgeMustBeANumberFromOneToOneHundredTwentyAfterRounding) {
    const char* notNumber = "The age field must be a valid number. ";
    const char* notPositive = "The Golfer's age must be greater than zero. ";
    const char* tooOld = "The Golfer's age cannot be more than 120. ";
    const std::pair<const char*, const char*> refused[] = {
        {"", notNumber},      {"abc", notNumber}, {"1e5", notNumber},  // beyond 16 bits
        {"12a", notNumber},   {"0", notPositive}, {"-3", notPositive},
        {"0.5", notPositive}, {"999", tooOld},    {"121", tooOld},
    };
    for (const auto& [age, message] : refused) {
        GolferEntry entry = Complete();
        entry.text[kAge] = age;
        ExpectRefused(entry, message, TxtBox(kAge));
    }
    for (const char* age : {"17.5", "120", "1", "0.6"}) {
        GolferEntry entry = Complete();
        entry.text[kAge] = age;
        EXPECT_TRUE(ValidateGolfer(entry, GolferScreen::Entry).pass) << age;
    }
}

TEST(CheckGolferChosen, AnEmptySelectionIsRefusedWithFocusOnTheList) {
    const GolferCheckResult result = CheckGolferChosen("");
    EXPECT_FALSE(result.pass);
    EXPECT_EQ(result.message, "Select a Golfer to edit. ");
    EXPECT_EQ(result.focus.control, GolferControl::GolferSelection);
    EXPECT_TRUE(CheckGolferChosen("Ann Lee").pass);
}

TEST(GolferRules, CategoryFullNameAndStateCode) {
    EXPECT_EQ(Category(17, true), "Junior Male");
    EXPECT_EQ(Category(18, true), "Adult Male");
    EXPECT_EQ(Category(17, false), "Junior Female");
    EXPECT_EQ(Category(18, false), "Adult Female");

    EXPECT_EQ(FullName("Ann", "", "Lee"), "Ann Lee");
    EXPECT_EQ(FullName("Ann", "Marie", "Lee"), "Ann Marie Lee");

    EXPECT_EQ(StateCode("ON - Ontario"), "ON");
    EXPECT_EQ(StateCode("O'Hare"), "O'");
    EXPECT_EQ(StateCode("Q"), "Q");
    EXPECT_EQ(StateCode(""), "");
    EXPECT_EQ(StateCode("Ñé - Neverland"), "Ñé");  // two letters of two bytes each
    EXPECT_EQ(StateCode("東京都"), "東京");
    EXPECT_EQ(StateListEntry("ON", "Ontario"), "ON - Ontario");
}

GolferEntry Full() {
    GolferEntry entry = Complete();
    for (int box = 0; box < kTextBoxCount; ++box) {
        entry.text[box] = "t" + std::to_string(box);
    }
    entry.text[kAge] = "17.5";
    entry.text[kHandicap] = "12.5";
    entry.state = {"ON - Ontario", "NY - New York"};
    entry.male = false;
    entry.notes = "n";
    return entry;
}

TEST(GolferRecord, EveryFieldGoesToItsOwnNamedValue) {
    const BuiltGolfer built = BuildGolferRecord(Full(), "D16");
    const zeviza::GolferRecord expected{.golferId = "D16",
                                        .firstName = "t0",
                                        .middleName = "t1",
                                        .lastName = "t2",
                                        .address = "t3",
                                        .city = "t4",
                                        .state = "ON",
                                        .postalCode = "t5",
                                        .homePhone = "t6",
                                        .cellPhone = "t7",
                                        .workPhone = "t8",
                                        .club = "t11",
                                        .clubAddress = "t12",
                                        .clubCity = "t13",
                                        .clubState = "NY",
                                        .clubPostalCode = "t14",
                                        .clubPhone = "t15",
                                        .proShopPhone = "t16",
                                        .notes = "n",
                                        .fullName = "t0 t1 t2",
                                        .sex = "Female",
                                        .category = "Adult Female",
                                        .age = 18,  // 17.5 rounds half to even
                                        .handicap = 12.5f};
    EXPECT_EQ(built.record, expected);
    EXPECT_FALSE(built.handicapReplaced);
}

TEST(GolferRecord, NameSexAndCategoryFollowTheEntry) {
    GolferEntry entry = Full();
    entry.text[kMiddleName].clear();
    entry.text[kAge] = "16.5";
    entry.male = true;
    entry.state[kClubState].clear();
    const zeviza::GolferRecord record = BuildGolferRecord(entry, "D2").record;
    EXPECT_EQ(record.clubState, "");
    EXPECT_EQ(record.fullName, "t0 t2");
    EXPECT_EQ(record.sex, "Male");
    EXPECT_EQ(record.category, "Junior Male");
    EXPECT_EQ(record.age, 16);
}

TEST(GolferRecord, AHandicapThatIsNoUsableNumberGoesInAsZero) {
    for (const char* handicap : {"abc", "", "9e99", "1.2.3"}) {
        GolferEntry entry = Full();
        entry.text[kHandicap] = handicap;
        const BuiltGolfer built = BuildGolferRecord(entry, "D2");
        EXPECT_TRUE(built.handicapReplaced) << handicap;
        EXPECT_EQ(built.record.handicap, 0.0f) << handicap;
    }
    GolferEntry plus = Full();
    plus.text[kHandicap] = "-2.3";
    EXPECT_FLOAT_EQ(BuildGolferRecord(plus, "D2").record.handicap, -2.3f);
}

TEST(GolferRecord, AHandicapWithTheLocalesDecimalCommaIsANumber) {
    GolferEntry entry = Full();
    entry.text[kHandicap] = "12,5";
    const BuiltGolfer german = [&] {
        testing_support::LocaleEnvironment locale("de_DE.UTF-8");
        return BuildGolferRecord(entry, "D2");
    }();
    testing_support::LocaleEnvironment locale("en_US.UTF-8");
    const BuiltGolfer american = BuildGolferRecord(entry, "D2");

    EXPECT_FALSE(german.handicapReplaced);
    EXPECT_FLOAT_EQ(german.record.handicap, 12.5f);
    EXPECT_TRUE(american.handicapReplaced);
}

TEST(GolferRecord, NewIdentifierComesFromTheLargestRowNumberRead) {
    zeviza::RecordSet none({"NewGolferID"}, {{zeviza::Value()}});
    zeviza::RecordSet seven({"NewGolferID"}, {{zeviza::Value(7)}});
    zeviza::RecordSet noRow({"NewGolferID"}, {});
    EXPECT_EQ(MakeNewGolferID(&none), "D2");
    EXPECT_EQ(MakeNewGolferID(&seven), "D16");
    EXPECT_FALSE(MakeNewGolferID(&noRow).has_value());
    EXPECT_FALSE(MakeNewGolferID(nullptr).has_value());
}

}  // namespace
}  // namespace parlow::golfers
