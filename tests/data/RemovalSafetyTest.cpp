#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

// A removal takes out exactly what it removed, and a removal that is
// interrupted leaves nothing behind, whatever the caller handed in.

namespace {

using namespace writes_support;
using zeviza::Answer;

struct RemovalSafetyTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course course{"C2", "Pebble Beach", StandardPars()};

    void SetUp() override {
        ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
        ASSERT_TRUE(AddGolfer(putt, "D4", "Ann", "Lee"));
        ASSERT_TRUE(AddCourse(putt, course));
    }
    void Add(const std::string& id, const std::string& golfer, int holes, int over) {
        auto game = MakeGame(id, golfer, golfer, course, ParScores(course, holes, over), over);
        ASSERT_TRUE(game.Add(putt));
    }
    void ExpectEveryGolferMatchesTheirGames() {
        EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
        EXPECT_TRUE(StatisticsMatchGames(folder, "D4"));
    }
    long long Games() const { return folder.Count("SELECT COUNT(*) FROM tblGames"); }
};

TEST_F(RemovalSafetyTest, AStaleListAfterTheIdentifierWasReusedTakesOutTheStoredGame) {
    Add("G1", "D2", 18, 5);
    const Removal staleListRow = RemovalOf(folder, "G1");  // the list is opened here
    prompts.Answer(Answer::Yes);
    auto removal = staleListRow;
    ASSERT_TRUE(removal.Run(putt));
    // The largest row number is gone, so the next game is given G1 again.
    Add("G1", "D4", 9, 2);

    prompts.Answer(Answer::Yes);
    auto fromStaleList = staleListRow;
    ASSERT_TRUE(fromStaleList.Run(putt));

    EXPECT_EQ(Games(), 0);
    ExpectEveryGolferMatchesTheirGames();
    EXPECT_EQ(folder.Count("SELECT Games + Games9 + Games18 FROM tblGolfer WHERE GolferID='D2'"),
              0);
}

TEST_F(RemovalSafetyTest, ArgumentsThatSayNothingStillTakeOutTheWholeGame) {
    Add("G1", "D2", 18, 5);
    Add("G2", "D4", 9, 1);
    Add("G3", "D4", 18, 3);
    for (const char* id : {"G2", "G3"}) {
        Removal blank;
        blank.gameId = id;  // golfer "", length 0, every figure 0
        prompts.Answer(Answer::Yes);
        ASSERT_TRUE(blank.Run(putt)) << id;
        ExpectEveryGolferMatchesTheirGames();
    }
    EXPECT_EQ(Games(), 1);
}

// Prompts whose removal question fails, as a dialog that cannot be shown
// or an allocation would.
class FailingQuestion : public zeviza::Prompts {
  public:
    FailingQuestion() : previous_(zeviza::InstalledPrompts()) { zeviza::InstallPrompts(this); }
    ~FailingQuestion() override { zeviza::InstallPrompts(previous_); }
    zeviza::Answer Show(const zeviza::Box& box) override {
        if (box.buttons == zeviza::Buttons::YesNo) {
            throw std::runtime_error("the question could not be shown");
        }
        return zeviza::Answer::Ok;
    }

  private:
    zeviza::Prompts* previous_;
};

TEST_F(RemovalSafetyTest, AFailingQuestionUndoesTheRemovalAndNoLaterCallCommitsIt) {
    Add("G1", "D2", 18, 5);
    std::string club = "C2";
    std::string golfer = "D2";
    const std::pair<const char*, std::function<void()>> removals[] = {
        {"DeleteGame", [&] { RemovalOf(folder, "G1").Run(putt); }},
        {"DeleteClub", [&] { putt.DeleteClub(club); }},
        {"DeleteGolfer", [&] { putt.DeleteGolfer(golfer); }},
    };
    for (const auto& [name, remove] : removals) {
        SCOPED_TRACE(name);
        const auto before = [&] {
            auto db = folder.Open();
            return StoredStatistics(db, "D2");
        }();
        {
            FailingQuestion failing;
            EXPECT_THROW(remove(), std::runtime_error);
        }
        // Reads of every style on the same object, then a fresh look at the file.
        EXPECT_NE(putt.LoadGolferList(), nullptr);
        EXPECT_NE(putt.LoadDeleteGame(), nullptr);
        EXPECT_NE(putt.LoadClubEdit("C2"), nullptr);
        EXPECT_EQ(Games(), 1);
        EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblClub"), 1);
        EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer"), 2);
        auto db = folder.Open();
        EXPECT_EQ(StoredStatistics(db, "D2"), before);
    }
    // The object is fit for the next unit of work.
    prompts.Answer(Answer::Yes);
    auto removal = RemovalOf(folder, "G1");
    EXPECT_TRUE(removal.Run(putt));
    EXPECT_EQ(Games(), 0);
    ExpectEveryGolferMatchesTheirGames();
}

}  // namespace
