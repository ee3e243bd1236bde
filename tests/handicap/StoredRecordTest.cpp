// The record read back through Putt from stored games, and written as CSV.
#include <gtest/gtest.h>

#include "csv/CsvWriter.h"
#include "handicap/HandicapText.h"
#include "handicap/RecordReader.h"
#include "handicap/ScoringRecordCsv.h"
#include "tests/handicap/RoundSample.h"
#include "tests/handicap/StoredRounds.h"
#include "tests/support/ProgramFolder.h"
#include "zeviza/Putt.h"

namespace {

using handicap_test::Course;
using handicap_test::Round18;
using handicap_test::Round9;

class StoredRecord : public ::testing::Test {
  protected:
    void SetUp() override {
        auto db = folder.Open();
        handicap_test::StoreGolfer(db, "D2", "Ann Fairway");
        handicap_test::StoreGolfer(db, "D4", "Bob Bunker");
        handicap_test::StoreCourse(db, "C2", "Pine Hills", "White", 72.0, 113);
        handicap_test::StoreCourse(db, "C4", "Lakeside, North", "Blue", 70.4, 130, 72);
    }

    void Store(const std::string& golferId, handicap::Round round, const std::string& gameId) {
        auto db = folder.Open();
        round.gameId = gameId;
        round.club = round.clubId == "C2" ? "Pine Hills" : "Lakeside, North";
        handicap_test::GameStore(db).Store(golferId, round);
    }

    testing_support::ProgramFolder folder;
};

TEST_F(StoredRecord, GamesComeInPlayDateThenRecordedOrder) {
    Store("D2", Round18(90, "2024-03-02"), "G1");
    Store("D2", Round18(91, "2024-03-01"), "G2");
    Store("D4", Round18(70, "2024-03-01"), "G3");
    Store("D2", Round18(92, "2024-03-02"), "G4");
    Store("D2", Round18(93, "2024-03-01"), "G5");
    zeviza::Putt putt(folder.Path());
    const auto record = handicap::LoadScoringRecord(putt, "D2");
    std::vector<std::string> order;
    for (const auto& entry : record.entries) {
        order.push_back(entry.round.gameId);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"G2", "G5", "G1", "G4"}));
    EXPECT_EQ(handicap::IndexOrNeeded(record), "17.0");  // lowest of 19, 21, 18 less 2.0
}

TEST_F(StoredRecord, RatingAndSlopeComeFromTheCourseRecord) {
    Store("D2", Round9(true, 42, "2024-03-01", {"C4", 0, 0}), "G1");
    Store("D2", Round9(false, 45, "2024-03-02", {"C2", 0, 0}), "G2");
    Store("D2", Round18(90, "2024-03-03", {"C9", 0, 0}), "G3");  // no such course
    zeviza::Putt putt(folder.Path());
    const auto record = handicap::LoadScoringRecord(putt, "D2");
    ASSERT_EQ(record.entries.size(), 3u);
    EXPECT_EQ(record.entries[1].round.rating10, 720);
    EXPECT_EQ(record.entries[1].differential10, 149);
    EXPECT_EQ(record.entries[2].status, handicap::RoundStatus::NotCounted);
}

TEST_F(StoredRecord, CsvHasOneRowPerGameInPlayOrder) {
    Store("D2", Round9(true, 42, "2024-03-01", {"C4", 0, 0}), "G1");
    Store("D2", Round9(false, 45, "2024-03-02", {"C2", 0, 0}), "G2");
    Store("D2", Round18(90, "2024-03-03"), "G3");
    Store("D2", Round18(94, "2024-03-04"), "G4");
    Store("D2", Round9(true, 40, "2024-03-05"), "G5");
    zeviza::Putt putt(folder.Path());
    EXPECT_EQ(handicap::ScoringRecordCsv(handicap::LoadScoringRecord(putt, "D2")),
              "GameID,PlayDate,ClubID,Holes,Gross,AdjustedGross,Differential,Counts,IndexAfter\r\n"
              "G1,2024-03-01,C4,9,42,42,,No,\r\n"
              "G2,2024-03-02,C2,9,45,45,14.9,Yes,\r\n"
              "G3,2024-03-03,C2,18,90,90,18.0,No,\r\n"
              "G4,2024-03-04,C2,18,94,94,22.0,No,12.9\r\n"
              "G5,2024-03-05,C2,9,40,40,,No,12.9\r\n");
}

TEST_F(StoredRecord, CourseHandicapOnEveryCourseRecord) {
    for (int day = 1; day <= 3; ++day) {
        Store("D2", Round18(90, "2024-03-0" + std::to_string(day)), "G" + std::to_string(day));
    }
    zeviza::Putt putt(folder.Path());
    const auto record = handicap::LoadScoringRecord(putt, "D2");
    const auto courses = handicap::ReadCourses(putt);
    ASSERT_EQ(courses.size(), 2u);
    EXPECT_EQ(courses[0].clubName, "Lakeside, North");
    // 16.0 x 130 / 113 + (70.4 - 72) = 16.81 -> 17; 16.0 on 72.0 / 113 -> 16
    EXPECT_EQ(handicap::CourseHandicapOrNeeded(record, courses[0]), "17");
    EXPECT_EQ(handicap::CourseHandicapOrNeeded(record, courses[1]), "16");
    const auto nobody = handicap::LoadScoringRecord(putt, "D4");
    EXPECT_EQ(handicap::CourseHandicapOrNeeded(nobody, courses[0]), "needs 3 more rounds");
}

struct CsvFieldCase {
    const char* text;
    const char* expected;
};

TEST(CsvText, FieldsQuotedAsRfc4180Asks) {
    const CsvFieldCase cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"caf\xc3\xa9", "caf\xc3\xa9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(csv::Field(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(csv::Record({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

TEST(CsvText, WriteFileLeavesNoFileWhenItCannotWrite) {
    testing_support::ProgramFolder folder;
    std::string error;
    const auto missing = folder.Path() / "no such folder" / "out.csv";
    EXPECT_FALSE(csv::WriteFile(missing, "x\r\n", error));
    EXPECT_NE(error.find("out.csv"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));

    const auto target = folder.Path() / "out.csv";
    ASSERT_TRUE(csv::WriteFile(target, "a,b\r\n", error)) << error;
    EXPECT_EQ(testing_support::ReadFile(target), "a,b\r\n");
    for (const auto& file : std::filesystem::directory_iterator(folder.Path())) {
        EXPECT_NE(file.path().extension(), ".part") << "left behind: " << file.path();
    }
}

}  // namespace
