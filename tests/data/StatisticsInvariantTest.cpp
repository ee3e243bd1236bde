#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Identifiers.h"
#include "zeviza/Putt.h"

// Whatever sequence of recordings, corrections and removals a user makes, every running
// statistic of every golfer equals what the golfer's remaining games add up
// to; the statistics reports rest on nothing else.

namespace {

using namespace writes_support;
using zeviza::Answer;

constexpr int kSequences = 200;
constexpr int kStepsPerSequence = 12;
constexpr unsigned kSeed = 20240518;

const std::vector<std::string> kGolfers = {"D2", "D4", "D6"};

std::vector<Course> Courses() {
    std::array<std::int16_t, 18> noParThrees{};
    for (int hole = 0; hole < 18; ++hole) {
        noParThrees[hole] = static_cast<std::int16_t>(hole % 3 == 0 ? 5 : 4);
    }
    return {{"C2", "Standard", StandardPars()},
            {"C4", "No Par Fives", ShortPars()},
            {"C6", "No Par Threes", noParThrees}};
}

// The golfers and courses every sequence starts from, entered once.
class Start {
  public:
    Start() {
        zeviza::Putt putt(folder_.Path());
        for (const auto& golfer : kGolfers) {
            EXPECT_TRUE(AddGolfer(putt, golfer, "First", golfer));
        }
        for (const auto& course : Courses()) {
            EXPECT_TRUE(AddCourse(putt, course));
        }
    }
    std::filesystem::path Database() const { return folder_.Database(); }

  private:
    testing_support::ProgramFolder folder_;
};

class Sequence {
  public:
    Sequence(std::mt19937& random, const Start& start) : random_(random) {
        std::filesystem::copy_file(start.Database(), folder_.Database(),
                                   std::filesystem::copy_options::overwrite_existing);
        checker_ = std::make_unique<SQLite::Database>(folder_.Open());
    }

    // One random step, then every golfer is checked against the games.
    void Step() {
        const int pick = Between(0, 99);
        if (pick < 45 || games_.empty()) {
            AddGame();
        } else if (pick < 65) {
            RemoveGame();
        } else if (pick < 82) {
            ReplaceGame();
        } else if (pick < 91) {
            RemoveCourse();
        } else {
            EditGolfer();
        }
        for (const auto& golfer : kGolfers) {
            ASSERT_TRUE(StatisticsMatchGames(*checker_, golfer)) << "after " << last_;
        }
    }

  private:
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    template <class T>
    const T& AnyOf(const std::vector<T>& items) {
        return items[Between(0, static_cast<int>(items.size()) - 1)];
    }
    Answer YesMostly() { return Between(0, 4) == 0 ? Answer::No : Answer::Yes; }

    // Any golfer on any course, 9 or 18 holes.
    Game AnyGame(const std::string& id) {
        const auto& course = AnyOf(courses_);
        const auto& golfer = AnyOf(kGolfers);
        const int holes = Between(0, 1) == 0 ? 9 : 18;
        std::vector<std::int16_t> scores;
        for (int hole = 1; hole <= holes; ++hole) {
            scores.push_back(
                static_cast<std::int16_t>(std::max(1, course.ParOf(hole) + Between(-3, 5))));
        }
        return MakeGame(id, golfer, golfer, course, scores, Between(0, 20), Between(0, 20));
    }

    void AddGame() {
        const std::string id = NextGameID();
        auto game = AnyGame(id);
        last_ = "AddGame " + id;
        ASSERT_TRUE(game.Add(putt_));
        games_.push_back(id);
        listed_.push_back(RemovalOf(*checker_, id));  // as a removal list opened now shows it
    }

    // The identifier the game entry screen forms, so the identifier of a
    // removed newest game comes round again.
    std::string NextGameID() {
        auto rows = putt_.GetNewGameID();
        return zeviza::FormIdentifier(zeviza::kGameIdentifiers, rows->Field("NewGameID"));
    }

    void RemoveGame() {
        const std::size_t at =
            static_cast<std::size_t>(Between(0, static_cast<int>(games_.size()) - 1));
        // Now and then from a list opened steps ago: its game may be gone,
        // or its identifier given to a newer game of another golfer.
        const bool stale = Between(0, 2) == 0;
        auto removal = stale ? AnyOf(listed_) : RemovalOf(*checker_, games_[at]);
        const auto answer = YesMostly();
        last_ =
            std::string(stale ? "DeleteGame from an old list " : "DeleteGame ") + removal.gameId;
        prompts_.Answer(answer);
        ASSERT_EQ(removal.Run(putt_), answer == Answer::Yes);
        if (answer == Answer::Yes) {
            std::erase(games_, removal.gameId);
        }
    }

    // The same golfer or another, the same length or the other, the same
    // course or another: whatever the correction, one game stays one game.
    void ReplaceGame() {
        const std::string id = AnyOf(games_);
        auto game = AnyGame(id);
        last_ = "ReplaceGame " + id + " with " + game.golferId + " on " + game.clubId + ", " +
                std::to_string(game.holes) + " holes";
        ASSERT_TRUE(game.Replace(putt_));
    }

    // The course goes with its games; it is entered again so that later
    // games can be played on it.
    void RemoveCourse() {
        const auto& course = AnyOf(courses_);
        const auto answer = YesMostly();
        std::string id = course.id;
        last_ = "DeleteClub " + id;
        prompts_.Answer(answer);
        ASSERT_EQ(putt_.DeleteClub(id), answer == Answer::Yes);
        if (answer == Answer::Yes) {
            ASSERT_TRUE(AddCourse(putt_, course));
            std::erase_if(games_, [this](const std::string& game) { return !Stored(game); });
        }
    }

    bool Stored(const std::string& game) {
        SQLite::Statement row(*checker_, "SELECT 1 FROM tblGames WHERE GameID = ?");
        row.bind(1, game);
        return row.executeStep();
    }

    void EditGolfer() {
        std::string id = AnyOf(kGolfers);
        auto text = GolferEditText("First", id, Between(0, 1) == 0 ? "Adult Male" : "Junior Male");
        last_ = "UpdateGolfer " + id;
        ASSERT_TRUE(putt_.UpdateGolfer(text, 50, static_cast<float>(Between(0, 360)) / 10, id));
    }

    std::mt19937& random_;
    testing_support::ProgramFolder folder_;
    testing_support::ScriptedPrompts prompts_;
    zeviza::Putt putt_{folder_.Path()};
    // Reads what the writes left, between the steps.
    std::unique_ptr<SQLite::Database> checker_;
    std::vector<Course> courses_ = Courses();
    std::vector<std::string> games_;
    std::vector<Removal> listed_;
    std::string last_;
};

// The invariant is about the arithmetic, not about durability: folders in
// memory keep thousands of synchronous commits quick.
class MemoryBackedFolders {
  public:
    MemoryBackedFolders() {
        if (const char* old = std::getenv("TMPDIR")) {
            previous_ = old;
        }
        if (std::filesystem::is_directory("/dev/shm")) {
            ::setenv("TMPDIR", "/dev/shm", 1);
        }
    }
    ~MemoryBackedFolders() {
        if (previous_) {
            ::setenv("TMPDIR", previous_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

  private:
    std::optional<std::string> previous_;
};

TEST(StatisticsInvariantTest, EveryGolfersStatisticsEqualTheSumsOverTheRemainingGames) {
    MemoryBackedFolders inMemory;
    const Start start;
    std::mt19937 random(kSeed);
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        SCOPED_TRACE("sequence " + std::to_string(sequence));
        Sequence run(random, start);
        for (int step = 0; step < kStepsPerSequence; ++step) {
            run.Step();
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
}

}  // namespace
