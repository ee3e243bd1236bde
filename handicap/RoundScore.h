#pragma once
// One round on its own: which holes it covers, its adjusted gross score and
// its unrounded differential.
#include <cstdint>
#include <optional>

#include "handicap/Decimal.h"
#include "handicap/Round.h"
#include "handicap/ScoringRecord.h"

namespace handicap {

struct RoundScore {
    Nine nine = Nine::Both;
    int holesPlayed = 0;
    int gross = 0;
    int adjustedGross = 0;
    std::optional<int> courseHandicap;
    Fraction unrounded;  // tenths
};

// None when the round cannot count: no hole scores, or no rating and slope.
// `indexBefore10` is the index in force before the round, if there is one.
std::optional<RoundScore> ScoreRound(const Round& round, std::optional<std::int64_t> indexBefore10);

}  // namespace handicap
