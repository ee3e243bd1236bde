#pragma once
// Builders for the fixed-layout arrays the screens hand to the writes, and a
// recomputation of a golfer's running statistics from the games that are
// stored: what the statistics columns must always equal.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/ProgramFolder.h"
#include "zeviza/Putt.h"

namespace SQLite {
class Database;
}

namespace writes_support {

using zeviza::IntArray;
using zeviza::SingleArray;
using zeviza::TextArray;

// --- golfers ---

// strText as the golfer entry screen fills it (0 to 22, 0 to 21 used).
TextArray GolferText(const std::string& golferID, const std::string& first,
                     const std::string& last);

bool AddGolfer(zeviza::Putt& putt, const std::string& golferID, const std::string& first,
               const std::string& last, float handicap = 12.5f);

// strText as the golfer edit screen fills it (0 to 21, 0 to 20 used).
TextArray GolferEditText(const std::string& first, const std::string& last,
                         const std::string& category = "Adult Male");

// --- courses ---

struct Course {
    std::string id;
    std::string name;
    std::array<std::int16_t, 18> pars{};
    std::string tees = "White";

    int ParOf(int hole) const { return pars[hole - 1]; }
};

// Par 72 with four par 3s and four par 5s.
std::array<std::int16_t, 18> StandardPars();
// No par-5 hole at all.
std::array<std::int16_t, 18> ShortPars();

// The course as the course entry screen records it, rated 70.4 / 131.
zeviza::CourseRecord CourseRecordOf(const Course& course);

bool AddCourse(zeviza::Putt& putt, const Course& course);

// --- games ---

// A round as the game entry screen makes it, with the writes that take it.
struct Game : zeviza::GameRecord {
    Game();
    bool Add(zeviza::Putt& putt) const { return putt.AddGame(*this); }
    // Puts this game in place of the stored game gameId.
    bool Replace(zeviza::Putt& putt, zeviza::ShownRecord* shown = nullptr) const {
        return putt.ReplaceGame(*this, shown);
    }
};

// The count of a hole's result against par (others: more than 4 over).
std::int16_t& ResultCount(zeviza::GameStats& stats, int score, int par);

// A game over the front nine (9 scores) or the full course (18 scores).
// The detail counts are made from `seed`, the net score is the gross less
// `strokes`.
Game MakeGame(const std::string& gameID, const std::string& golferID, const std::string& golferName,
              const Course& course, const std::vector<std::int16_t>& scores, int seed = 0,
              int strokes = 10);

// Scores of `holes` holes at par plus `over` on the first hole.
std::vector<std::int16_t> ParScores(const Course& course, int holes, int over = 0);

// --- removal ---

struct Removal : zeviza::GameRemoval {
    bool Run(zeviza::Putt& putt) const { return putt.DeleteGame(*this); }
};

// What the removal screen passes for a stored game.
Removal RemovalOf(SQLite::Database& db, const std::string& gameID);

Removal RemovalOf(const testing_support::ProgramFolder& folder, const std::string& gameID);

// --- rows ---

// The columns whose stored values differ between the rows of `table` whose
// keyColumn is `one` and `other`, with both values; the identifiers and the
// dates of addition and change are not compared.
std::string RowDifferences(const testing_support::ProgramFolder& folder, const std::string& table,
                           const std::string& keyColumn, const std::string& one,
                           const std::string& other);

// --- the running statistics ---

const std::vector<std::string>& StatisticsColumns();

using Statistics = std::map<std::string, double>;

Statistics StoredStatistics(SQLite::Database& db, const std::string& golferID);

// The statistics a golfer must show: sums over the games stored for the
// golfer, averages from those sums, 0 where a count is 0.
Statistics RecomputedStatistics(SQLite::Database& db, const std::string& golferID);

// Every statistics column of the golfer equals its recomputation.
::testing::AssertionResult StatisticsMatchGames(SQLite::Database& db, const std::string& golferID);

::testing::AssertionResult StatisticsMatchGames(const testing_support::ProgramFolder& folder,
                                                const std::string& golferID);

}  // namespace writes_support
