#pragma once
// The series a golfer's trend charts show, worked out from the stored games:
// which rounds a period takes, the moving average of the gross score, the
// greens and fairways hit in percent, and the Handicap Index history over the
// same span. Plain functions, no windows.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "reports/trends/rules/TrendRound.h"

namespace trends {

enum class Period { LastTwenty, ThisYear, All };

inline constexpr std::size_t kLastRounds = 20;
inline constexpr std::size_t kAverageOf = 5;

// A point of a chart: when, where, and the value shown.
struct TrendPoint {
    std::string playDate;
    std::string club;
    double value = 0;
    bool operator==(const TrendPoint&) const = default;
};

struct TrendSeries {
    std::vector<TrendPoint> gross;
    std::vector<TrendPoint> grossAverage;  // from the fifth round on
    std::vector<TrendPoint> putts;         // rounds whose putts were kept
    std::vector<TrendPoint> greensHit;
    std::vector<TrendPoint> fairwaysHit;  // rounds on a course with fairways
    std::vector<TrendPoint> index;

    bool Empty() const { return gross.empty(); }
};

// The rounds of that length (9 or 18) in the period, in play order, out of
// a golfer's games in play order. `today` is "YYYY-MM-DD".
std::vector<TrendRound> ChooseRounds(const std::vector<TrendRound>& games, int holes, Period period,
                                     const std::string& today);

// For each value from the `of`-th on, the mean of it and the `of` - 1 before.
std::vector<double> MovingAverage(const std::vector<double>& values, std::size_t of = kAverageOf);

// Greens hit in percent of the holes played, within 0 to 100.
double GreensHitPercent(const TrendRound& round);
// Fairways hit in percent of the fairways the round offered, within 0 to
// 100: a nine offers half the course's, which the course counts over all 18
// holes. None on a course without fairways.
std::optional<double> FairwaysHitPercent(const TrendRound& round);

// Every series for the chosen rounds; the index history is cut to the span
// they cover (from the first chosen round's day on, or the whole year).
TrendSeries BuildTrendSeries(const std::vector<TrendRound>& games, int holes, Period period,
                             const std::string& today,
                             const std::vector<IndexPoint>& indexHistory = {});

}  // namespace trends
