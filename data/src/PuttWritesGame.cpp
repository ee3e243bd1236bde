#include <string>

#include "src/DateTimeText.h"

#include "src/GolferStatistics.h"
#include "src/NewRecordWrites.h"
#include "src/WriteHelpers.h"

// Recording a game: the game row, the golfer's running totals of the game's
// length and the averages the database recomputes from them, in one unit of
// work. Replacing one is its removal and its recording in one unit of work,
// the row kept in place: what comes out of the statistics is what the stored
// row holds, what goes in is what the new row holds.

namespace zeviza {

using detail::Columns;
using detail::StoredText;

namespace {

// Score1..Score9, ScoreOut, Score10..Score18, ScoreIn (or the pars likewise).
void AppendByHole(Columns& columns, const std::string& prefix, const HoleValues& values,
                  std::int16_t out, std::int16_t in) {
    for (std::size_t hole = 1; hole <= 18; ++hole) {
        columns.push_back({prefix + std::to_string(hole), Value(values[hole - 1])});
        if (hole == 9) {
            columns.push_back({prefix + "Out", Value(out)});
        }
    }
    columns.push_back({prefix + "In", Value(in)});
}

// The screens check these already; the row is checked again where it is
// written, since a game the statistics cannot place, a date no calendar has
// or a figure that is no number would stay in the file for good.
void RequireSoundFigures(const GameRecord& game) {
    if (game.holes != 9 && game.holes != 18) {
        throw Error(kInvalidArgument,
                    "A game is 9 or 18 holes long, not " + std::to_string(game.holes) + ".");
    }
    if (!detail::IsDateTimeText(game.playDate)) {
        throw Error(kInvalidArgument, "The play date \"" + game.playDate +
                                          "\" is not a date and time of the form "
                                          "YYYY-MM-DD HH:MM:SS.");
    }
    detail::RequireFinite({game.strokeAverage, game.puttAverage, game.greensHit, game.fairwaysHit,
                           game.parAverages[0], game.parAverages[1], game.parAverages[2]},
                          "game");
}

detail::GolferShare ShareOf(const GameRecord& game) {
    const GameStats& s = game.stats;
    detail::GolferShare share;
    share.golferID = game.golferId;
    share.eighteenHoles = detail::EighteenHoles(game.holes);
    share.gross = game.gross;
    share.net = game.net;
    share.putts = s.totalPutts;
    const std::int16_t results[] = {
        s.aces,   s.doubleEagles, s.eagles,       s.birdies,         s.pars,
        s.bogies, s.doubleBogies, s.tripleBogies, s.quadrupleBogies, s.others};
    std::copy(std::begin(results), std::end(results), share.holeResults);
    const std::int16_t fairways[] = {s.fairwaysLeft, s.fairwaysRight, s.fairwaysMissed};
    std::copy(std::begin(fairways), std::end(fairways), share.fairways);
    const std::int16_t greens[] = {s.greensLeft, s.greensRight, s.greensLong, s.greensShort,
                                   s.greensMissed};
    std::copy(std::begin(greens), std::end(greens), share.greens);
    const std::int16_t putts[] = {s.puttsLeft, s.puttsRight, s.puttsLong, s.puttsShort,
                                  s.puttsMissed};
    std::copy(std::begin(putts), std::end(putts), share.puttsMissed);
    share.sandSaves = s.sandSaves;
    share.upDowns = s.upDowns;
    std::copy(s.parScores.begin(), s.parScores.end(), share.parScores);
    std::copy(s.parCounts.begin(), s.parCounts.end(), share.parCounts);
    return share;
}

void AppendStats(Columns& columns, const GameStats& s) {
    const std::pair<const char*, std::int16_t> counts[] = {{"FWaysLeft", s.fairwaysLeft},
                                                           {"FWaysRight", s.fairwaysRight},
                                                           {"FWaysMissed", s.fairwaysMissed},
                                                           {"GreensLeft", s.greensLeft},
                                                           {"GreensRight", s.greensRight},
                                                           {"GreensLong", s.greensLong},
                                                           {"GreensShort", s.greensShort},
                                                           {"GreensMissed", s.greensMissed},
                                                           {"PuttsLeft", s.puttsLeft},
                                                           {"PuttsRight", s.puttsRight},
                                                           {"PuttsLong", s.puttsLong},
                                                           {"PuttsShort", s.puttsShort},
                                                           {"TotalPutts", s.totalPutts},
                                                           {"PuttsMissed", s.puttsMissed},
                                                           {"SandSaves", s.sandSaves},
                                                           {"UpDowns", s.upDowns},
                                                           {"LongDrive", s.longDrive},
                                                           {"Aces", s.aces},
                                                           {"Eagles", s.eagles},
                                                           {"DEagles", s.doubleEagles},
                                                           {"Birds", s.birdies},
                                                           {"Pars", s.pars},
                                                           {"Bogies", s.bogies},
                                                           {"DBogies", s.doubleBogies},
                                                           {"TBogies", s.tripleBogies},
                                                           {"QBogies", s.quadrupleBogies},
                                                           {"Others", s.others},
                                                           {"TotalFWays", s.fairwaysToHit}};
    for (const auto& [column, count] : counts) {
        columns.push_back({column, Value(count)});
    }
}

// Every column of the game row.
Columns GameRow(const GameRecord& g) {
    Columns columns{{"GameID", Value(g.gameId)},     {"FullName", StoredText(g.golferName)},
                    {"PlayDate", Value(g.playDate)}, {"Club", StoredText(g.clubName)},
                    {"Tees", Value(g.tees)},         {"GolferID", Value(g.golferId)},
                    {"ClubID", Value(g.clubId)}};
    for (std::size_t i = 0; i < 3; ++i) {
        columns.push_back({"Partner" + std::to_string(i + 1), StoredText(g.partners[i])});
    }
    columns.push_back({"Category", Value(g.category)});
    AppendByHole(columns, "Score", g.scores, g.scoreOut, g.scoreIn);
    columns.push_back({"GrossScore", Value(g.gross)});
    columns.push_back({"NetScore", Value(g.net)});
    columns.push_back({"Handicap", Value(g.handicap)});
    for (std::size_t i = 0; i < 3; ++i) {
        columns.push_back({"PartnerScore" + std::to_string(i + 1), Value(g.partnerScores[i])});
    }
    AppendByHole(columns, "Par", g.pars, g.parOut, g.parIn);
    columns.push_back({"CoursePar", Value(g.coursePar)});
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string par = "Par" + std::to_string(i + 3);
        columns.push_back({par + "18", Value(g.stats.parCounts[i])});
        columns.push_back({par + "Scr", Value(g.stats.parScores[i])});
        columns.push_back({par + "Avg", Value(g.parAverages[i])});
    }
    for (std::size_t hole = 1; hole <= 18; ++hole) {
        columns.push_back({"HCap" + std::to_string(hole), Value(g.holeHandicaps[hole - 1])});
    }
    AppendStats(columns, g.stats);
    columns.push_back({"Holes", Value(g.holes)});
    columns.push_back({"StrokeAvg", Value(g.strokeAverage)});
    columns.push_back({"PuttsPerGreen", Value(g.puttAverage)});
    columns.push_back({"PercentGreensHit", Value(g.greensHit)});
    columns.push_back({"PercentFWaysHit", Value(g.fairwaysHit)});
    columns.push_back({"TotalGross", Value(g.gross)});
    columns.push_back({"TotalNet", Value(g.net)});
    const std::string length = detail::EighteenHoles(g.holes) ? "18" : "9";
    columns.push_back({"TotalGross" + length, Value(g.gross)});
    columns.push_back({"TotalNet" + length, Value(g.net)});
    columns.push_back({"TotalPutts" + length, Value(g.stats.totalPutts)});
    columns.push_back({"GrossStrokes" + length, Value(g.gross)});
    columns.push_back({"NetStrokes" + length, Value(g.net)});
    columns.push_back({"AddDate", Value(detail::NowText())});
    return columns;
}

// The row as AddGame writes it, for the game already stored under that
// identifier: its GameID and AddDate stay, ModDate notes the correction, and
// the totals of the other length go back to 0, as in a new row of this length.
Columns ReplacementRow(const GameRecord& game) {
    Columns columns;
    for (auto& column : GameRow(game)) {
        if (column.name != "GameID" && column.name != "AddDate") {
            columns.push_back(std::move(column));
        }
    }
    const std::string other = detail::EighteenHoles(game.holes) ? "9" : "18";
    for (const char* total :
         {"TotalGross", "TotalNet", "TotalPutts", "GrossStrokes", "NetStrokes"}) {
        columns.push_back({total + other, Value(0)});
    }
    columns.push_back({"ModDate", Value(detail::NowText())});
    return columns;
}

// The engine's out-of-range report means the figures themselves do not fit:
// the user is told so, and nothing goes to the error log.
bool ScoresNotValid(const Error& error) {
    if (error.Number() != kValueOutOfRange) {
        return false;
    }
    detail::ShowLibraryMessage("Score values entered are not valid! ");
    return true;
}

// What both writes check before the row is written.
void RequireWritable(Connection& connection, const GameRecord& game) {
    RequireSoundFigures(game);
    detail::RequireStored(connection, "tblClub", "ClubID", game.clubId, "course of this game");
}

}  // namespace

namespace detail {

void InsertGame(Connection& connection, const GameRecord& game) {
    RequireWritable(connection, game);
    Insert(connection, "tblGames", GameRow(game));
    AddToGolfer(connection, ShareOf(game));
}

}  // namespace detail

bool Putt::AddGame(const GameRecord& game) {
    return WriteNewGame({[&game]() -> const GameRecord& { return game; }});
}

bool Putt::ReplaceGame(const GameRecord& game, ShownRecord* shown) {
    return WriteReplacement({[&game]() -> const GameRecord& { return game; }}, shown);
}

bool Putt::WriteNewGame(const Source<GameRecord>& source) {
    return RunWrite(
        {"Add Game - DLL Function", "AddGame", ScoresNotValid}, [&](Connection& connection) {
            const GameRecord& game = source.record();
            RequireWritable(connection, game);
            detail::Checked(source.checked);
            detail::InsertGame(connection, game);
            detail::RecomputeAverages(connection, game.golferId, detail::EighteenHoles(game.holes));
            return Outcome::Commit;
        });
}

bool Putt::WriteReplacement(const Source<GameRecord>& source, ShownRecord* shown) {
    detail::ForgetChange(shown);
    return RunWrite(
        {"Replace Game - DLL Function", "ReplaceGame", ScoresNotValid},
        [&](Connection& connection) {
            const GameRecord& game = source.record();
            RequireWritable(connection, game);
            if (!detail::StillAsShown(connection, "tblGames", "GameID", game.gameId, shown)) {
                return Outcome::RollBack;
            }
            const auto stored = detail::StoredShares(connection, "GameID", game.gameId);
            if (stored.empty()) {
                throw Error(kNoCurrentRecord, "The game to replace (" + game.gameId +
                                                  ") is no longer stored: it was removed "
                                                  "since it was chosen.");
            }
            detail::Checked(source.checked);
            for (const auto& share : stored) {
                detail::TakeOutOfGolfer(connection, share);
            }
            detail::Update(connection, "tblGames", ReplacementRow(game), "GameID", game.gameId);
            detail::AddToGolfer(connection, ShareOf(game));
            detail::RecomputeAverages(connection, game.golferId, detail::EighteenHoles(game.holes));
            return Outcome::Commit;
        });
}

}  // namespace zeviza
