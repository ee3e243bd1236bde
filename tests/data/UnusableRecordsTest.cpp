#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <limits>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

// A golfer or course record the rest of the program could not use (a figure
// that is no number, a golfer without an identifier) is refused where it is
// written, as any failed write is: one error box, an error log entry, and
// nothing stored or changed.

namespace {

using namespace writes_support;

struct UnusableRecordsTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course course{"C2", "Pebble Beach", StandardPars()};

    void SetUp() override {
        ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson", 12.5f));
        ASSERT_TRUE(AddCourse(putt, course));
        auto game = MakeGame("G1", "D2", "Tom Watson", course, ParScores(course, 18));
        ASSERT_TRUE(game.Add(putt));
        prompts.Clear();
    }
    std::string Snapshot() const {
        return folder.Text("SELECT group_concat(GolferID || '/' || Handicap, ';') FROM tblGolfer") +
               "|" + folder.Text("SELECT group_concat(ClubID || '/' || Rating, ';') FROM tblClub") +
               "|" + folder.Text("SELECT group_concat(Handicap, ';') FROM tblGames");
    }
};

TEST_F(UnusableRecordsTest, NonFiniteFiguresAndAnEmptyGolferIdentifierAreRefused) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::nanf("");
    struct Case {
        const char* name;
        const char* function;
        std::function<bool(zeviza::Putt&)> write;
    };
    const Case cases[] = {
        {"new golfer, infinite handicap", "AddGolfer",
         [inf](zeviza::Putt& p) { return AddGolfer(p, "D3", "Ben", "Hogan", inf); }},
        {"new golfer, handicap not a number", "AddGolfer",
         [nan](zeviza::Putt& p) { return AddGolfer(p, "D3", "Ben", "Hogan", nan); }},
        {"new golfer without an identifier", "AddGolfer",
         [](zeviza::Putt& p) { return AddGolfer(p, "", "Ben", "Hogan"); }},
        {"changed golfer, minus infinite handicap", "Update Golfer",
         [inf](zeviza::Putt& p) {
             auto text = GolferEditText("Tom", "Watson");
             std::string id = "D2";
             return p.UpdateGolfer(text, 40, -inf, id);
         }},
        {"new course, infinite rating", "AddClub",
         [inf](zeviza::Putt& p) {
             Course other{"C3", "Augusta", StandardPars()};
             auto record = CourseRecordOf(other);
             record.rating = inf;
             return p.AddClub(record);
         }},
        {"changed course, rating not a number", "Update Club",
         [nan, this](zeviza::Putt& p) {
             auto record = CourseRecordOf(course);
             record.rating = nan;
             return p.UpdateClub(record);
         }},
    };
    const std::string before = Snapshot();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.Clear();
        std::filesystem::remove(folder.ErrorLog());

        EXPECT_FALSE(c.write(putt));

        EXPECT_EQ(Snapshot(), before);
        ASSERT_EQ(prompts.Shown().size(), 1u);
        EXPECT_EQ(prompts.Last().text.rfind("ERROR # 5\r\n", 0), 0u) << prompts.Last().text;
        EXPECT_NE(prompts.Last().text.find(std::string("Function: ") + c.function),
                  std::string::npos)
            << prompts.Last().text;
        EXPECT_FALSE(folder.ReadErrorLog().empty());
    }
}

// The error log sits beside the log and outlives it in bug reports: it says
// what failed and where, never who the golfer is or how to reach them, and
// only its owner reads it.
TEST_F(UnusableRecordsTest, TheErrorLogIsTheOwnersAloneAndNeverHoldsAGolfersPersonalData) {
    std::filesystem::remove(folder.ErrorLog());
    const mode_t previous = ::umask(022);
    auto personal = GolferText("D2", "Zelda", "Quixote");
    personal[3] = "742 Evergreen Terrace";
    personal[7] = "555-0123";
    personal[8] = "555-0199";
    personal[17] = "allergic to bees";
    const float inf = std::numeric_limits<float>::infinity();
    auto copy = personal;
    EXPECT_FALSE(putt.AddGolfer(copy, 40, 12.5f));  // D2 is stored already
    copy = personal;
    copy[18] = "D7";
    EXPECT_FALSE(putt.AddGolfer(copy, 40, inf));
    auto edit = GolferEditText("Zelda", "Quixote");
    edit[3] = "742 Evergreen Terrace";
    edit[7] = "555-0123";
    std::string gone = "D9";
    EXPECT_FALSE(putt.UpdateGolfer(edit, 40, 3.0f, gone));
    ::umask(previous);

    const std::string log = folder.ReadErrorLog();
    ASSERT_NE(log.find("Add Golfer - DLL Function"), std::string::npos);
    ASSERT_NE(log.find("Update Golfer - DLL Function"), std::string::npos);
    for (const char* secret :
         {"Zelda", "Quixote", "Evergreen", "555-01", "bees", "Springfield", "Tom", "Watson"}) {
        EXPECT_EQ(log.find(secret), std::string::npos) << secret;
    }
    EXPECT_EQ(std::filesystem::status(folder.ErrorLog()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

}  // namespace
