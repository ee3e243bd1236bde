#include "handicap/RoundScore.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "handicap/CourseHandicap.h"

namespace handicap {

namespace {

constexpr int kCapWithoutIndex = 5;  // par + 5 before the golfer has an index
constexpr int kNetDoubleBogey = 2;

bool AnyScore(const Round& round, int first) {
    return std::any_of(round.scores.begin() + first, round.scores.begin() + first + 9,
                       [](int s) { return s != 0; });
}

std::optional<Nine> PlayedHoles(const Round& round) {
    const bool front = AnyScore(round, 0);
    const bool back = AnyScore(round, 9);
    if (front && back) {
        if (round.holes == 18) {
            return Nine::Both;
        }
        // A nine-hole game with both nines filled in counts the nine whose
        // total was typed, as its gross does.
        return round.scoreOut == 0 && round.scoreIn != 0 ? Nine::Back : Nine::Front;
    }
    if (front)
        return Nine::Front;
    if (back)
        return Nine::Back;
    return std::nullopt;
}

}  // namespace

std::optional<RoundScore> ScoreRound(const Round& round,
                                     std::optional<std::int64_t> indexBefore10) {
    const std::optional<Nine> nine = PlayedHoles(round);
    if (!nine || round.slope <= 0) {
        return std::nullopt;
    }
    const int first = *nine == Nine::Back ? 9 : 0;
    const int count = *nine == Nine::Both ? 18 : 9;
    std::span<const int> scores(round.scores.data() + first, count);
    std::span<const int> pars(round.pars.data() + first, count);
    std::span<const int> allocations(round.allocations.data() + first, count);

    RoundScore result;
    result.nine = *nine;
    result.holesPlayed = count;
    int par = 0;
    for (int p : pars) {
        par += p;
    }
    std::vector<int> strokes(count, 0);
    if (indexBefore10) {
        const int ch = count == 18
                           ? CourseHandicap18(*indexBefore10, round.rating10, round.slope, par)
                           : CourseHandicap9(*indexBefore10, round.rating10, round.slope, par);
        result.courseHandicap = ch;
        strokes = StrokesReceived(ch, AllocationOrder(allocations));
    }
    for (int i = 0; i < count; ++i) {
        const int netPar = pars[i] + strokes[i];
        const int cap = indexBefore10 ? netPar + kNetDoubleBogey : pars[i] + kCapWithoutIndex;
        result.gross += scores[i];
        // A hole left at 0 inside a played nine was not played: it scores net par.
        result.adjustedGross += scores[i] == 0 ? netPar : std::min(scores[i], cap);
    }
    // 18 holes: 113 x (AGS - Rating) / Slope; a nine: 113 x (AGS - Rating/2) / Slope.
    // In tenths, with the rating held in tenths.
    if (count == 18) {
        result.unrounded = {113 * (10LL * result.adjustedGross - round.rating10), round.slope};
    } else {
        result.unrounded = {113 * (20LL * result.adjustedGross - round.rating10),
                            2LL * round.slope};
    }
    return result;
}

}  // namespace handicap
