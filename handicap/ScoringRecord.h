#pragma once
// The scoring record: every game of a golfer in play order with its adjusted
// gross score and differential, and the Handicap Index after each counting
// round.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "handicap/Decimal.h"
#include "handicap/IndexTable.h"
#include "handicap/Round.h"

namespace handicap {

enum class Nine { Front, Back, Both };

enum class RoundStatus {
    Counted,           // an 18-hole round with its own differential
    NineWaiting,       // a nine waiting for a partner: counts for nothing yet
    NineFirstOfPair,   // a nine combined with a later one, which carries the differential
    NineSecondOfPair,  // the later nine of a pair: carries the combined differential
    NotCounted,        // no hole scores, or the course has no rating and slope
};

struct RecordEntry {
    Round round;
    RoundStatus status = RoundStatus::NotCounted;
    Nine nine = Nine::Both;
    int holesPlayed = 0;  // 9 or 18 by the hole scores; 0 when not counted
    int gross = 0;
    int adjustedGross = 0;
    // The Course Handicap the adjusted gross was capped with; none before
    // the golfer had an index (par + 5 then).
    std::optional<int> courseHandicap;
    // This round's own differential in tenths, exactly; for a nine the nine's
    // part, for the second of a pair the sum of both.
    Fraction unrounded;
    std::optional<std::int64_t> differential10;  // rounded, on rows that carry one
    std::optional<std::size_t> partner;          // the other nine of a pair
    std::int64_t exceptional10 = 0;  // the reduction this round's exceptional score brought
    std::int64_t reduction10 = 0;    // all exceptional reductions taken off this differential
    bool counts = false;             // among the lowest that make the current index
    std::optional<std::int64_t> indexAfter10;

    std::optional<std::int64_t> UsedDifferential10() const;
};

struct IndexPoint {
    std::size_t entry;  // the round that produced it
    std::int64_t index10;
    std::optional<std::int64_t> low10;
    Cap cap = Cap::None;
};

struct ScoringRecord {
    std::vector<RecordEntry> entries;
    std::vector<IndexPoint> history;
    std::vector<std::size_t> differentialEntries;  // entries carrying a differential, in order

    std::optional<std::int64_t> Index10() const;
    std::optional<std::int64_t> LowIndex10() const;
    Cap CurrentCap() const;
    // Differentials still wanted before the first index.
    int RoundsNeeded() const;
    // The most recent 20 differentials' entries, newest first.
    std::vector<std::size_t> RecentNewestFirst() const;
};

// Works the rules over a golfer's games, given in play order.
ScoringRecord BuildScoringRecord(std::vector<Round> rounds);

// Days since 1970-01-01 of a stored "YYYY-MM-DD..." date; 0 when unreadable.
std::int64_t DayNumber(const std::string& date);

}  // namespace handicap
