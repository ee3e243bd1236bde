#include "reports/trends/rules/TrendSeries.h"

#include <algorithm>

namespace trends {

namespace {

std::string DayOf(const std::string& stored) {
    return stored.substr(0, 10);
}

std::string YearOf(const std::string& stored) {
    return stored.substr(0, 4);
}

double Clamped(double percent) {
    return std::clamp(percent, 0.0, 100.0);
}

TrendPoint PointOf(const TrendRound& round, double value) {
    return {round.playDate, round.club, value};
}

// The index points inside the span the chosen rounds cover.
std::vector<TrendPoint> IndexWithin(const std::vector<IndexPoint>& history,
                                    const std::vector<TrendRound>& rounds, Period period,
                                    const std::string& today) {
    std::vector<TrendPoint> points;
    if (rounds.empty()) {
        return points;
    }
    const std::string from = DayOf(rounds.front().playDate);
    for (const IndexPoint& point : history) {
        const bool inside = period == Period::All ||
                            (period == Period::ThisYear ? YearOf(point.playDate) == YearOf(today)
                                                        : DayOf(point.playDate) >= from);
        if (inside) {
            points.push_back({point.playDate, point.club, point.index});
        }
    }
    return points;
}

}  // namespace

std::vector<TrendRound> ChooseRounds(const std::vector<TrendRound>& games, int holes, Period period,
                                     const std::string& today) {
    std::vector<TrendRound> chosen;
    for (const TrendRound& game : games) {
        if (game.holes != holes) {
            continue;
        }
        if (period == Period::ThisYear && YearOf(game.playDate) != YearOf(today)) {
            continue;
        }
        chosen.push_back(game);
    }
    if (period == Period::LastTwenty && chosen.size() > kLastRounds) {
        chosen.erase(chosen.begin(), chosen.end() - kLastRounds);
    }
    return chosen;
}

std::vector<double> MovingAverage(const std::vector<double>& values, std::size_t of) {
    std::vector<double> averages;
    if (of == 0) {
        return averages;
    }
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sum += values[i];
        if (i >= of) {
            sum -= values[i - of];
        }
        if (i + 1 >= of) {
            averages.push_back(sum / static_cast<double>(of));
        }
    }
    return averages;
}

double GreensHitPercent(const TrendRound& round) {
    if (round.holes <= 0) {
        return 0;
    }
    return Clamped(100.0 * (round.holes - round.greensMissed) / round.holes);
}

std::optional<double> FairwaysHitPercent(const TrendRound& round) {
    const double offered = round.holes == 9 ? round.fairwaysToHit / 2.0 : round.fairwaysToHit;
    if (offered <= 0) {
        return std::nullopt;
    }
    return Clamped(100.0 * (offered - round.fairwaysMissed) / offered);
}

TrendSeries BuildTrendSeries(const std::vector<TrendRound>& games, int holes, Period period,
                             const std::string& today,
                             const std::vector<IndexPoint>& indexHistory) {
    const std::vector<TrendRound> rounds = ChooseRounds(games, holes, period, today);
    TrendSeries series;
    std::vector<double> gross;
    gross.reserve(rounds.size());
    series.gross.reserve(rounds.size());
    series.greensHit.reserve(rounds.size());
    for (const TrendRound& round : rounds) {
        gross.push_back(round.gross);
        series.gross.push_back(PointOf(round, round.gross));
        if (round.putts > 0) {
            series.putts.push_back(PointOf(round, round.putts));
        }
        series.greensHit.push_back(PointOf(round, GreensHitPercent(round)));
        if (const auto fairways = FairwaysHitPercent(round)) {
            series.fairwaysHit.push_back(PointOf(round, *fairways));
        }
    }
    const std::vector<double> averages = MovingAverage(gross);
    for (std::size_t i = 0; i < averages.size(); ++i) {
        series.grossAverage.push_back(PointOf(rounds[i + kAverageOf - 1], averages[i]));
    }
    series.index = IndexWithin(indexHistory, rounds, period, today);
    return series;
}

}  // namespace trends
