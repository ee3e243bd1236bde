#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "tests/support/ProgramFolder.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

// A process killed at any moment while it corrects rounds leaves each round
// whole, old or new, and every golfer's statistics the sums over the rounds
// stored: never a row of one round with the statistics of another.

namespace {

using namespace writes_support;

constexpr int kGames = 12;
constexpr int kKills = 16;
const std::vector<std::string> kGolfers = {"D2", "D4"};

std::vector<Course> Courses() {
    return {{"C2", "Standard", StandardPars()}, {"C4", "Short", ShortPars()}};
}

// Replaces random rounds for ever, writing one byte to `done` after each.
[[noreturn]] void ReplaceUntilKilled(const std::filesystem::path& folder, int done, unsigned seed) {
    zeviza::Putt putt(folder);
    std::mt19937 random(seed);
    const auto courses = Courses();
    auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    for (;;) {
        const Course& course = courses[pick(2)];
        const std::string& golfer = kGolfers[pick(2)];
        const int holes = pick(2) == 0 ? 9 : 18;
        auto game = MakeGame("G" + std::to_string(1 + pick(kGames)), golfer, golfer, course,
                             ParScores(course, holes, pick(9)), pick(20), pick(12));
        if (!game.Replace(putt)) {
            ::_exit(3);
        }
        const char byte = 1;
        if (::write(done, &byte, 1) != 1) {
            ::_exit(4);
        }
    }
}

// The figures a round's row repeats agree with each other.
::testing::AssertionResult RowsWhole(const testing_support::ProgramFolder& folder) {
    const long long torn = folder.Count(
        "SELECT COUNT(*) FROM tblGames WHERE GrossScore <> ScoreOut + ScoreIn "
        "OR TotalGross <> GrossScore OR (Holes = 18 AND (TotalGross18 <> GrossScore "
        "OR TotalGross9 <> 0)) OR (Holes = 9 AND (TotalGross9 <> GrossScore OR TotalGross18 <> "
        "0))");
    if (torn != 0) {
        return ::testing::AssertionFailure() << torn << " rows mix two rounds";
    }
    return ::testing::AssertionSuccess();
}

TEST(ReplacementCrashTest, AKilledReplacementLeavesEveryRoundWholeAndTheStatisticsExact) {
    testing_support::ProgramFolder folder;
    {
        zeviza::Putt putt(folder.Path());
        for (const auto& golfer : kGolfers) {
            ASSERT_TRUE(AddGolfer(putt, golfer, "First", golfer));
        }
        for (const auto& course : Courses()) {
            ASSERT_TRUE(AddCourse(putt, course));
        }
        for (int game = 1; game <= kGames; ++game) {
            auto round = MakeGame("G" + std::to_string(game), kGolfers[game % 2], "First",
                                  Courses()[0], ParScores(Courses()[0], 18, game % 5), game);
            ASSERT_TRUE(round.Add(putt));
        }
    }
    std::mt19937 random(20261210);
    long long replaced = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        int done[2];
        ASSERT_EQ(::pipe(done), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(done[0]);
            ReplaceUntilKilled(folder.Path(), done[1], random());
        }
        ::close(done[1]);
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 120)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status))
            << "the replacing process ended by itself: " << WEXITSTATUS(status);
        char bytes[4096];
        for (ssize_t got; (got = ::read(done[0], bytes, sizeof bytes)) > 0;) {
            replaced += got;
        }
        ::close(done[0]);

        EXPECT_EQ(folder.Text("PRAGMA integrity_check"), "ok");
        EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGames"), kGames);
        EXPECT_TRUE(RowsWhole(folder));
        for (const auto& golfer : kGolfers) {
            EXPECT_TRUE(StatisticsMatchGames(folder, golfer)) << golfer;
        }
    }
    // The kills fell while replacements were going on, not before the first.
    EXPECT_GT(replaced, kKills);
}

}  // namespace
