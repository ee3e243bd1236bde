#include "handicap/ScoringRecord.h"

#include <algorithm>
#include <charconv>

#include "handicap/LowIndexWindow.h"
#include "handicap/RoundScore.h"

namespace handicap {

namespace {

// Reductions for a score this far (in tenths) below the index in force.
std::int64_t ExceptionalReduction10(std::int64_t indexBefore10, Fraction unrounded) {
    const Fraction index{indexBefore10, 1};
    const Fraction below{index.num * unrounded.den - unrounded.num, unrounded.den};
    if (Compare(below, {100, 1}) >= 0)
        return 20;
    if (Compare(below, {70, 1}) >= 0)
        return 10;
    return 0;
}

class RecordBuilder {
  public:
    explicit RecordBuilder(ScoringRecord& record) : record_(record) {}

    void Add(Round&& round) {
        RecordEntry entry;
        const std::optional<std::int64_t> before = index10_;
        const std::optional<RoundScore> score = ScoreRound(round, before);
        entry.round = std::move(round);
        const std::size_t at = record_.entries.size();
        if (score) {
            entry.nine = score->nine;
            entry.holesPlayed = score->holesPlayed;
            entry.gross = score->gross;
            entry.adjustedGross = score->adjustedGross;
            entry.courseHandicap = score->courseHandicap;
            entry.unrounded = score->unrounded;
            if (score->holesPlayed == 18) {
                entry.status = RoundStatus::Counted;
                entry.differential10 = RoundHalfUp(entry.unrounded);
            } else {
                entry.status = PairNine(entry, at);
            }
        }
        entry.indexAfter10 = index10_;
        record_.entries.push_back(std::move(entry));
        if (record_.entries[at].differential10) {
            Count(at, before);
        }
    }

  private:
    // A nine waits for the next nine; the second of two carries the sum.
    RoundStatus PairNine(RecordEntry& entry, std::size_t at) {
        if (!waiting_) {
            waiting_ = at;
            return RoundStatus::NineWaiting;
        }
        RecordEntry& first = record_.entries[*waiting_];
        first.status = RoundStatus::NineFirstOfPair;
        first.partner = at;
        entry.partner = *waiting_;
        entry.unrounded = first.unrounded + entry.unrounded;
        entry.differential10 = RoundHalfUp(entry.unrounded);
        waiting_.reset();
        return RoundStatus::NineSecondOfPair;
    }

    void Count(std::size_t at, std::optional<std::int64_t> before) {
        RecordEntry& entry = record_.entries[at];
        auto& carrying = record_.differentialEntries;
        carrying.push_back(at);
        const std::size_t recentFrom =
            carrying.size() > kRecentDifferentials ? carrying.size() - kRecentDifferentials : 0;
        if (before) {
            const std::int64_t reduction = ExceptionalReduction10(*before, entry.unrounded);
            entry.exceptional10 = reduction;
            for (std::size_t i = recentFrom; i < carrying.size(); ++i) {
                record_.entries[carrying[i]].reduction10 += reduction;
            }
        }
        std::vector<std::int64_t> recent;
        for (std::size_t i = recentFrom; i < carrying.size(); ++i) {
            recent.push_back(*record_.entries[carrying[i]].UsedDifferential10());
        }
        const std::optional<IndexResult> raw = IndexFromDifferentials(recent);
        const std::int64_t day = DayNumber(entry.round.playDate);
        const std::optional<std::int64_t> low = lows_.LowestBefore(day);
        if (!raw) {
            return;
        }
        IndexPoint point{at, raw->index10, std::nullopt, Cap::None};
        if (carrying.size() >= kRecentDifferentials && low) {
            const CappedIndex capped = ApplyCaps(raw->index10, *low);
            point = {at, capped.index10, low, capped.cap};
        }
        index10_ = point.index10;
        entry.indexAfter10 = index10_;
        lows_.Add(day, point.index10);
        record_.history.push_back(point);
    }

    ScoringRecord& record_;
    std::optional<std::int64_t> index10_;
    std::optional<std::size_t> waiting_;
    LowIndexWindow lows_;
};

void MarkCounting(ScoringRecord& record) {
    std::vector<std::size_t> recent = record.RecentNewestFirst();
    std::reverse(recent.begin(), recent.end());
    std::vector<std::int64_t> values;
    for (std::size_t at : recent) {
        values.push_back(*record.entries[at].UsedDifferential10());
    }
    if (const auto index = IndexFromDifferentials(values)) {
        for (std::size_t position : index->counting) {
            record.entries[recent[position]].counts = true;
        }
    }
}

}  // namespace

std::optional<std::int64_t> RecordEntry::UsedDifferential10() const {
    if (!differential10) {
        return std::nullopt;
    }
    return *differential10 - reduction10;
}

std::optional<std::int64_t> ScoringRecord::Index10() const {
    if (history.empty()) {
        return std::nullopt;
    }
    return history.back().index10;
}

std::optional<std::int64_t> ScoringRecord::LowIndex10() const {
    if (history.empty()) {
        return std::nullopt;
    }
    return history.back().low10;
}

Cap ScoringRecord::CurrentCap() const {
    return history.empty() ? Cap::None : history.back().cap;
}

int ScoringRecord::RoundsNeeded() const {
    const int have = static_cast<int>(differentialEntries.size());
    return have >= kDifferentialsForIndex ? 0 : kDifferentialsForIndex - have;
}

std::vector<std::size_t> ScoringRecord::RecentNewestFirst() const {
    std::vector<std::size_t> recent;
    for (auto it = differentialEntries.rbegin();
         it != differentialEntries.rend() && recent.size() < kRecentDifferentials; ++it) {
        recent.push_back(*it);
    }
    return recent;
}

ScoringRecord BuildScoringRecord(std::vector<Round> rounds) {
    ScoringRecord record;
    record.entries.reserve(rounds.size());
    RecordBuilder builder(record);
    for (Round& round : rounds) {
        builder.Add(std::move(round));
    }
    MarkCounting(record);
    return record;
}

std::int64_t DayNumber(const std::string& date) {
    int y = 0, m = 0, d = 0;
    if (date.size() < 10 || std::from_chars(date.data(), date.data() + 4, y).ec != std::errc() ||
        std::from_chars(date.data() + 5, date.data() + 7, m).ec != std::errc() ||
        std::from_chars(date.data() + 8, date.data() + 10, d).ec != std::errc()) {
        return 0;
    }
    // Days from the civil calendar (proleptic Gregorian), March-based year.
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace handicap
