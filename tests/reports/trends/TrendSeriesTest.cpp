// The trend charts' series as plain tables, and read from a small known log.
#include <gtest/gtest.h>

#include "handicap/RecordReader.h"
#include "reports/trends/rules/TrendReads.h"
#include "reports/trends/rules/TrendSeries.h"
#include "tests/support/WritesSupport.h"

namespace {

using trends::Period;
using trends::TrendPoint;
using trends::TrendRound;

TrendRound Round(const std::string& date, int holes, int gross, int putts = 30) {
    TrendRound round;
    round.gameId = "G" + date;
    round.playDate = date + " 00:00:00";
    round.club = "Pine Valley";
    round.holes = holes;
    round.gross = gross;
    round.putts = putts;
    return round;
}

std::vector<double> Values(const std::vector<TrendPoint>& points) {
    std::vector<double> values;
    for (const TrendPoint& point : points) {
        values.push_back(point.value);
    }
    return values;
}

TEST(TrendSeries, MovingAverageStartsAtTheFifthValueAndSlides) {
    const struct {
        std::vector<double> values;
        std::vector<double> averages;
    } cases[] = {
        {{}, {}},
        {{80, 82, 84, 86}, {}},
        {{80, 82, 84, 86, 88}, {84}},
        {{80, 82, 84, 86, 88, 100, 70}, {84, 88, 85.6}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trends::MovingAverage(c.values), c.averages) << c.values.size();
    }
    EXPECT_EQ(trends::MovingAverage({1, 2, 3}, 2), (std::vector<double>{1.5, 2.5}));
    EXPECT_TRUE(trends::MovingAverage({1, 2, 3}, 0).empty());
}

TEST(TrendSeries, GreensAndFairwaysHitArePercentOfWhatTheRoundOffered) {
    const struct {
        int holes, greensMissed, fairwaysToHit, fairwaysMissed;
        double greens;
        std::optional<double> fairways;
    } cases[] = {
        {18, 0, 14, 0, 100, 100},
        {18, 5, 14, 3, 100.0 * 13 / 18, 100.0 * 11 / 14},
        {18, 18, 14, 14, 0, 0},
        {18, 20, 14, 16, 0, 0},                       // more missed than offered: not below 0
        {9, 3, 14, 2, 100.0 * 6 / 9, 100.0 * 5 / 7},  // a nine offers half the fairways
        {9, 0, 0, 0, 100, std::nullopt},              // a course without fairways
        {0, 0, 14, 0, 0, 100},                        // a game with no holes played
    };
    for (const auto& c : cases) {
        TrendRound round = Round("2024-05-18", c.holes, 72);
        round.greensMissed = c.greensMissed;
        round.fairwaysToHit = c.fairwaysToHit;
        round.fairwaysMissed = c.fairwaysMissed;
        SCOPED_TRACE(testing::Message() << c.holes << " holes, " << c.greensMissed << " greens, "
                                        << c.fairwaysMissed << " of " << c.fairwaysToHit);
        EXPECT_DOUBLE_EQ(trends::GreensHitPercent(round), c.greens);
        EXPECT_EQ(trends::FairwaysHitPercent(round).has_value(), c.fairways.has_value());
        if (c.fairways) {
            EXPECT_DOUBLE_EQ(*trends::FairwaysHitPercent(round), *c.fairways);
        }
    }
}

TEST(TrendSeries, APeriodTakesTheRoundsOfOneLengthInPlayOrder) {
    std::vector<TrendRound> games;
    for (int i = 0; i < 25; ++i) {  // 2024-01-01 to 2024-01-25, 18 holes, gross 70 + i
        games.push_back(
            Round("2024-01-" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1), 18, 70 + i));
    }
    games.push_back(Round("2024-02-01", 9, 40));
    games.push_back(Round("2025-03-01", 18, 99));
    games.push_back(Round("2025-03-02", 9, 41));
    const struct {
        int holes;
        Period period;
        std::size_t count;
        int firstGross, lastGross;
    } cases[] = {
        {18, Period::All, 26, 70, 99},      {18, Period::LastTwenty, 20, 76, 99},
        {18, Period::ThisYear, 1, 99, 99},  {9, Period::All, 2, 40, 41},
        {9, Period::LastTwenty, 2, 40, 41}, {9, Period::ThisYear, 1, 41, 41},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.holes << " holes, period " << static_cast<int>(c.period));
        const auto chosen = trends::ChooseRounds(games, c.holes, c.period, "2025-06-30");
        ASSERT_EQ(chosen.size(), c.count);
        EXPECT_EQ(chosen.front().gross, c.firstGross);
        EXPECT_EQ(chosen.back().gross, c.lastGross);
    }
    EXPECT_TRUE(trends::ChooseRounds(games, 18, Period::ThisYear, "2026-01-01").empty());
    EXPECT_TRUE(trends::ChooseRounds({}, 18, Period::All, "2026-01-01").empty());
}

TEST(TrendSeries, PuttsNotKeptAndCoursesWithoutFairwaysLeaveNoPoint) {
    std::vector<TrendRound> games = {Round("2024-01-01", 18, 80, 0), Round("2024-01-02", 18, 81)};
    games[1].fairwaysToHit = 14;
    const auto series = trends::BuildTrendSeries(games, 18, Period::All, "2024-12-31");
    EXPECT_EQ(Values(series.gross), (std::vector<double>{80, 81}));
    EXPECT_EQ(Values(series.putts), (std::vector<double>{30}));
    EXPECT_EQ(series.putts.front().playDate, "2024-01-02 00:00:00");
    EXPECT_EQ(Values(series.greensHit), (std::vector<double>{100, 100}));
    EXPECT_EQ(Values(series.fairwaysHit), (std::vector<double>{100}));
    EXPECT_TRUE(series.grossAverage.empty());
}

TEST(TrendSeries, TheIndexHistoryIsCutToTheSpanOfTheRoundsShown) {
    std::vector<TrendRound> games;
    for (int day = 1; day <= 25; ++day) {
        games.push_back(
            Round("2024-03-" + std::string(day < 10 ? "0" : "") + std::to_string(day), 18, 80));
    }
    const std::vector<trends::IndexPoint> history = {{"2023-12-30 00:00:00", "Old Links", 20.1},
                                                     {"2024-03-03 00:00:00", "Pine Valley", 18.4},
                                                     {"2024-03-06 00:00:00", "Pine Valley", 17.9},
                                                     {"2024-03-20 00:00:00", "Pine Valley", 17.2}};
    const struct {
        Period period;
        std::vector<double> index;
    } cases[] = {
        {Period::All, {20.1, 18.4, 17.9, 17.2}},
        {Period::LastTwenty, {17.9, 17.2}},  // the last 20 rounds start on 6 March
        {Period::ThisYear, {18.4, 17.9, 17.2}},
    };
    for (const auto& c : cases) {
        const auto series = trends::BuildTrendSeries(games, 18, c.period, "2024-12-31", history);
        EXPECT_EQ(Values(series.index), c.index) << static_cast<int>(c.period);
    }
    EXPECT_TRUE(
        trends::BuildTrendSeries(games, 9, Period::All, "2024-12-31", history).index.empty());
}

// --- read from a stored log ---

using namespace writes_support;

class StoredTrends : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(AddGolfer(putt, "D1", "Ann", "Lee"));
        ASSERT_TRUE(AddGolfer(putt, "D2", "Bob", "Ray"));
        ASSERT_TRUE(AddCourse(putt, kPine));
        // Stored out of play order: the read puts them in order.
        const struct {
            const char* id;
            const char* golfer;
            const char* date;
            int holes;
            int over;
        } games[] = {
            {"G1", "D1", "2025-04-02", 18, 10}, {"G2", "D1", "2024-06-01", 18, 2},
            {"G3", "D1", "2024-07-01", 18, 6},  {"G4", "D1", "2024-08-01", 9, 1},
            {"G5", "D1", "2024-09-01", 18, 4},  {"G6", "D1", "2025-01-15", 18, 0},
            {"G7", "D2", "2024-06-01", 18, 30}, {"G8", "D1", "2025-03-01", 18, 8},
        };
        for (const auto& g : games) {
            Game game = MakeGame(g.id, g.golfer, g.golfer, kPine, ParScores(kPine, g.holes, g.over),
                                 g.over % 4);
            game.playDate = std::string(g.date) + " 00:00:00";
            ASSERT_TRUE(game.Add(putt)) << g.id;
        }
    }

    testing_support::ProgramFolder folder;
    zeviza::Putt putt{folder.Path()};
    const Course kPine{"C1", "Pine Valley", StandardPars()};
};

TEST_F(StoredTrends, TheSeriesOfAGolfersStoredGames) {
    const auto rounds = trends::ReadTrendRounds(putt, "D1");
    ASSERT_EQ(rounds.size(), 7u);
    EXPECT_EQ(rounds.front().gameId, "G2");
    EXPECT_EQ(rounds.front().club, "Pine Valley");
    EXPECT_EQ(rounds.back().gameId, "G1");

    const auto all = trends::BuildTrendSeries(rounds, 18, Period::All, "2025-06-30");
    EXPECT_EQ(Values(all.gross), (std::vector<double>{74, 78, 76, 72, 80, 82}));
    EXPECT_EQ(Values(all.grossAverage), (std::vector<double>{76, 77.6}));
    EXPECT_EQ(all.grossAverage.back().playDate, "2025-04-02 00:00:00");
    // MakeGame keeps 2 x 18 - 1 + seed % 4 putts and misses (seed x 7 + slot x 3) % 5
    // greens; seed is over % 4.
    EXPECT_EQ(Values(all.putts), (std::vector<double>{37, 37, 35, 35, 35, 37}));
    const auto eighteens = trends::ChooseRounds(rounds, 18, Period::All, "");
    ASSERT_EQ(all.greensHit.size(), eighteens.size());
    for (std::size_t i = 0; i < eighteens.size(); ++i) {
        const TrendRound& round = eighteens[i];
        EXPECT_DOUBLE_EQ(all.greensHit[i].value, 100.0 * (18 - round.greensMissed) / 18);
        EXPECT_DOUBLE_EQ(all.fairwaysHit[i].value, 100.0 * (14 - round.fairwaysMissed) / 14);
    }

    const auto year = trends::BuildTrendSeries(rounds, 18, Period::ThisYear, "2025-06-30");
    EXPECT_EQ(Values(year.gross), (std::vector<double>{72, 80, 82}));
    const auto nine = trends::BuildTrendSeries(rounds, 9, Period::All, "2025-06-30");
    EXPECT_EQ(Values(nine.gross), (std::vector<double>{37}));
    EXPECT_TRUE(trends::ReadTrendRounds(putt, "D9").empty());
}

TEST_F(StoredTrends, TheIndexHistoryIsTheHandicapRecordsOwn) {
    const auto record = handicap::LoadScoringRecord(putt, "D1");
    ASSERT_TRUE(record.Index10().has_value());
    const auto history = trends::ReadIndexHistory(putt, "D1");
    ASSERT_EQ(history.size(), record.history.size());
    EXPECT_EQ(history.back().index * 10, static_cast<double>(*record.Index10()));
    EXPECT_EQ(history.back().club, "Pine Valley");
    for (std::size_t i = 1; i < history.size(); ++i) {
        EXPECT_LT(history[i - 1].playDate, history[i].playDate);
    }
    // The charts plot it over the rounds shown.
    const auto all = trends::BuildTrendSeries(trends::ReadTrendRounds(putt, "D1"), 18, Period::All,
                                              "2025-06-30", history);
    EXPECT_EQ(all.index.size(), history.size());
    EXPECT_TRUE(trends::ReadIndexHistory(putt, "D2").empty());
}

}  // namespace
