#include "reports/trends/rules/TrendReads.h"

#include "handicap/RecordReader.h"

namespace trends {

namespace {

int Whole(const zeviza::RecordSet& games, const char* column) {
    return static_cast<int>(games.Field(column).ToInt());
}

}  // namespace

std::vector<TrendRound> ReadTrendRounds(zeviza::Putt& putt, const std::string& golferId) {
    std::vector<TrendRound> rounds;
    zeviza::RecordSetPtr games = putt.LoadTrendGames(golferId);
    rounds.reserve(games->RecordCount());
    for (; !games->Eof(); games->MoveNext()) {
        TrendRound round;
        round.gameId = games->Field("GameID").ToText();
        round.playDate = games->Field("PlayDate").ToText();
        round.club = games->Field("Club").ToText();
        round.tees = games->Field("Tees").ToText();
        round.holes = Whole(*games, "Holes");
        round.gross = Whole(*games, "GrossScore");
        round.putts = Whole(*games, "TotalPutts");
        round.greensMissed = Whole(*games, "GreensMissed");
        round.fairwaysToHit = Whole(*games, "TotalFWays");
        round.fairwaysMissed = Whole(*games, "FWaysMissed");
        rounds.push_back(std::move(round));
    }
    return rounds;
}

std::vector<IndexPoint> ReadIndexHistory(zeviza::Putt& putt, const std::string& golferId) {
    const handicap::ScoringRecord record = handicap::LoadScoringRecord(putt, golferId);
    std::vector<IndexPoint> points;
    points.reserve(record.history.size());
    for (const handicap::IndexPoint& point : record.history) {
        const handicap::Round& round = record.entries[point.entry].round;
        // A plus index is kept below zero, so the chart plots it where a
        // golfer reads it: better than scratch.
        points.push_back({round.playDate, round.club, static_cast<double>(point.index10) / 10.0});
    }
    return points;
}

}  // namespace trends
