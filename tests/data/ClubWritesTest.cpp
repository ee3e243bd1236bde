#include <gtest/gtest.h>

#include "tests/data/CourseArrays.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

namespace {

using namespace writes_support;
using course_arrays::CourseArraysOf;
using zeviza::Answer;

struct ClubWritesTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course course{"C2", "Pebble Beach", StandardPars()};
    Course other{"C4", "Short Links", ShortPars()};

    std::string Club(const std::string& column, const std::string& id = "C2") const {
        return folder.Text("SELECT " + column + " FROM tblClub WHERE ClubID = '" + id + "'");
    }
    long long Number(const std::string& sql) const { return folder.Count(sql); }
    void AddGame(const std::string& gameID, const std::string& golferID, const Course& on,
                 int holes, int over) {
        auto game = MakeGame(gameID, golferID, golferID, on, ParScores(on, holes, over), over);
        ASSERT_TRUE(game.Add(putt));
    }
};

TEST_F(ClubWritesTest, AddClubStoresTheCardAndFiguresInTheirColumns) {
    auto a = CourseArraysOf(course);
    a.strText[0] = " St. Andrew's ";
    a.strText[3] = " NC ";
    a.intNumbers[20] = 155;
    ASSERT_TRUE(putt.AddClub(a.strText, a.intNumbers, a.intCaps, a.intStats, a.sngRating));

    EXPECT_EQ(Club("ClubName"), "St. Andrew's");
    EXPECT_EQ(a.strText[0], " St. Andrew''s ");
    EXPECT_EQ(Club("State"), "NC");
    EXPECT_EQ(Club("ClubMgr"), "Mgr Name");
    EXPECT_EQ(Club("Tees"), "White");
    for (int hole = 1; hole <= 18; ++hole) {
        const std::string n = std::to_string(hole);
        EXPECT_EQ(Number("SELECT Par" + n + " FROM tblClub"), course.ParOf(hole)) << hole;
        EXPECT_EQ(Number("SELECT HCap" + n + " FROM tblClub"), hole);
    }
    EXPECT_EQ(Number("SELECT ParOut FROM tblClub"), 36);
    EXPECT_EQ(Number("SELECT ParIn FROM tblClub"), 36);
    EXPECT_EQ(Number("SELECT CoursePar FROM tblClub"), 72);
    EXPECT_EQ(Number("SELECT Slope FROM tblClub"), 155);
    EXPECT_EQ(folder.Real("SELECT Rating FROM tblClub"), 70.4);
    EXPECT_EQ(Club("Par3s || Par4s || Par5s"), "4104");
    EXPECT_EQ(Number("SELECT FWays FROM tblClub"), 14);
    EXPECT_EQ(Number("SELECT TotalFWays FROM tblClub"), 14);
    EXPECT_EQ(Number("SELECT Yards FROM tblClub"), 6512);
    EXPECT_EQ(Number("SELECT COUNT(*) FROM tblClub WHERE AddDate GLOB '[0-9][0-9][0-9][0-9]-*'"),
              1);
}

TEST_F(ClubWritesTest, UpdateClubRewritesTheCardOfItsGamesButNotTheirFigures) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddCourse(putt, course));
    ASSERT_TRUE(AddCourse(putt, other));
    AddGame("G1", "D2", course, 18, 3);
    AddGame("G2", "D2", other, 18, 1);
    const auto figures = [this] {
        return folder.Text(
            "SELECT Par318 || ',' || Par418 || ',' || Par518 || ',' || "
            "GrossScore || ',' || Score5 || ',' || Par3Scr FROM tblGames "
            "WHERE GameID = 'G1'");
    };
    const auto before = figures();

    Course edited = course;
    edited.name = "St. Andrew's";
    edited.tees = "Blue";
    edited.pars[4] = 3;  // hole 5 becomes a par 3
    auto a = CourseArraysOf(edited);
    a.strText[3] = " nc ";  // State, written as is on edit
    a.intStats[3] = 9;
    std::string id = "C2";
    ASSERT_TRUE(putt.UpdateClub(a.strText, a.intNumbers, a.intCaps, a.intStats, 71.2f, id));

    EXPECT_EQ(Club("ClubName"), "St. Andrew's");
    EXPECT_EQ(Club("State"), " nc ");
    EXPECT_EQ(Club("Par5"), "3");
    EXPECT_EQ(Club("FWays || '/' || TotalFWays"), "9/9");
    EXPECT_EQ(folder.Real("SELECT Rating FROM tblClub WHERE ClubID = 'C2'"), 71.2);
    EXPECT_EQ(Number("SELECT COUNT(*) FROM tblClub WHERE ModDate IS NOT NULL"), 1);

    EXPECT_EQ(folder.Text("SELECT Club || '|' || Tees || '|' || Par5 || '|' || ParOut || '|' || "
                          "CoursePar || '|' || HCap7 FROM tblGames WHERE GameID = 'G1'"),
              "St. Andrew's|Blue|3|35|71|7");
    EXPECT_EQ(figures(), before);
    EXPECT_EQ(folder.Text("SELECT Club FROM tblGames WHERE GameID = 'G2'"), "Short Links");

    // A course removed meanwhile is not reported as saved.
    std::string gone = "C99";
    auto again = CourseArraysOf(edited);
    EXPECT_FALSE(putt.UpdateClub(again.strText, again.intNumbers, again.intCaps, again.intStats,
                                 71.2f, gone));
    EXPECT_NE(prompts.Last().text.find("Function: Update Club"), std::string::npos);
}

TEST_F(ClubWritesTest, RemovalAsksAndNoLeavesCourseGamesAndStatistics) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddCourse(putt, course));
    AddGame("G1", "D2", course, 18, 3);
    const auto before = folder.Text("SELECT Games || ',' || Par318 FROM tblGolfer");
    prompts.Answer(Answer::No);
    std::string id = "C2";

    EXPECT_FALSE(putt.DeleteClub(id));

    EXPECT_EQ(Number("SELECT COUNT(*) FROM tblClub"), 1);
    EXPECT_EQ(Number("SELECT COUNT(*) FROM tblGames"), 1);
    EXPECT_EQ(folder.Text("SELECT Games || ',' || Par318 FROM tblGolfer"), before);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    const auto& box = prompts.Last();
    EXPECT_EQ(box.title, "** WARNING **");
    EXPECT_EQ(box.text,
              "Remove this Course Record?\r\n\r\nOnce removed it can't be recovered!\r\n\r\n"
              "This will also remove all Games recorded at this Club! ");
    EXPECT_EQ(box.icon, zeviza::Icon::Question);
    EXPECT_EQ(box.defaultButton, Answer::No);
}

// The removed games' figures leave their golfers' statistics with them.
TEST_F(ClubWritesTest, RemovalTakesEveryRemovedGameOutOfItsGolfersStatistics) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddGolfer(putt, "D4", "Ben", "Hogan"));
    ASSERT_TRUE(AddCourse(putt, course));
    ASSERT_TRUE(AddCourse(putt, other));
    AddGame("G1", "D2", course, 18, 3);
    AddGame("G2", "D2", course, 9, 2);
    AddGame("G3", "D2", course, 18, 5);
    AddGame("G4", "D2", other, 9, 1);
    AddGame("G5", "D4", course, 18, 0);
    prompts.Answer(Answer::Yes);
    std::string id = "C2";

    EXPECT_TRUE(putt.DeleteClub(id));

    EXPECT_EQ(Number("SELECT COUNT(*) FROM tblClub"), 1);
    EXPECT_EQ(folder.Text("SELECT group_concat(GameID) FROM tblGames"), "G4");
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
    EXPECT_TRUE(StatisticsMatchGames(folder, "D4"));
    auto db = folder.Open();
    for (const auto& [column, value] : StoredStatistics(db, "D4")) {
        EXPECT_EQ(value, 0) << column;
    }
    EXPECT_EQ(prompts.Shown().size(), 1u);
}

TEST_F(ClubWritesTest, RemovalFailureBeforeTheQuestionLeavesEverything) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddCourse(putt, course));
    AddGame("G1", "D2", course, 18, 3);
    folder.Exec(
        "CREATE TRIGGER fail BEFORE DELETE ON tblGames "
        "BEGIN SELECT RAISE(ABORT, 'injected'); END;");
    std::string id = "C2";

    EXPECT_FALSE(putt.DeleteClub(id));

    EXPECT_EQ(Number("SELECT COUNT(*) FROM tblClub"), 1);
    EXPECT_EQ(Number("SELECT Games FROM tblGolfer"), 1);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_NE(prompts.Last().text.find("Function: RemoveClub"), std::string::npos);
    EXPECT_NE(folder.ReadErrorLog().find("Remove Club - DLL Function\r\n"), std::string::npos);
}

}  // namespace

namespace {

// The array methods are the record methods reached through the slots: the
// same course stores the same row either way, and a change writes the same
// course row and the same copies into the games on it.
TEST_F(ClubWritesTest, TheArrayFormStoresWhatTheRecordStores) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    Course byRecord{"C3", "Pine Hollow", StandardPars()};
    Course byArrays{"C4", "Pine Hollow", StandardPars()};
    ASSERT_TRUE(putt.AddClub(CourseRecordOf(byRecord)));
    auto a = CourseArraysOf(byArrays);
    ASSERT_TRUE(putt.AddClub(a.strText, a.intNumbers, a.intCaps, a.intStats, a.sngRating));
    EXPECT_EQ(RowDifferences(folder, "tblClub", "ClubID", "C4", "C3"), "");
    AddGame("G1", "D2", byRecord, 18, 2);
    AddGame("G2", "D2", byArrays, 18, 2);

    for (Course* edited : {&byRecord, &byArrays}) {
        edited->name = " O'Brien's Links ";
        edited->tees = "Blue";
        edited->pars[4] = 3;
    }
    auto record = CourseRecordOf(byRecord);
    record.state = " nc ";
    ASSERT_TRUE(putt.UpdateClub(record));
    auto changed = CourseArraysOf(byArrays);
    changed.strText[3] = " nc ";
    std::string id = "C4";
    ASSERT_TRUE(putt.UpdateClub(changed.strText, changed.intNumbers, changed.intCaps,
                                changed.intStats, changed.sngRating, id));
    EXPECT_EQ(RowDifferences(folder, "tblClub", "ClubID", "C4", "C3"), "");
    EXPECT_EQ(Club("ClubName || '|' || State", "C3"), "O'Brien's Links| nc ");
    EXPECT_EQ(Number("SELECT COUNT(DISTINCT Club || '|' || Tees || '|' || Par5) FROM tblGames"), 1);
    EXPECT_EQ(folder.Text("SELECT Tees || '|' || Par5 FROM tblGames WHERE GameID = 'G2'"),
              "Blue|3");
}

}  // namespace
