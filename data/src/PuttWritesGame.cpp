#include <cmath>
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

using detail::CleanedText;
using detail::Columns;

namespace {

// intStats slots of the entry screen
enum StatSlot : std::size_t {
    kFWaysLeft = 0,
    kFWaysRight = 1,
    kGreensLeft = 2,
    kGreensRight = 3,
    kGreensLong = 4,
    kGreensShort = 5,
    kPuttsLeft = 6,
    kPuttsRight = 7,
    kPuttsLong = 8,
    kPuttsShort = 9,
    kSandSaves = 10,
    kUpDowns = 11,
    kFWaysMissed = 12,
    kPutts = 13,
    kLongDrive = 14,
    kAces = 15,  // then double eagles, eagles, birdies ... others up to 24
    kDEagles = 16,
    kEagles = 17,
    kBirds = 18,
    kOthers = 24,
    kGreensMissed = 25,
    kPuttsMissed = 26,
    kFWaysToHit = 27,
    kPar3Score = 29,  // par-4 and par-5 follow
    kPar3Count = 32,  // par-4 and par-5 follow
    kStatSlots = 35,
};

// intScores slots
constexpr std::size_t kOut = 9;
constexpr std::size_t kIn = 19;
constexpr std::size_t kGross = 20;
constexpr std::size_t kPartnerScore1 = 21;
constexpr std::size_t kNet = 24;
constexpr std::size_t kScoreSlots = 25;
// intPars slots
constexpr std::size_t kParOut = 9;
constexpr std::size_t kParIn = 19;
constexpr std::size_t kCoursePar = 20;
constexpr std::size_t kParSlots = 21;

// Score1..Score9, ScoreOut, Score10..Score18, ScoreIn (or the pars likewise).
void AppendByHole(Columns& columns, const std::string& prefix, const std::string& out,
                  const std::string& in, const IntArray& values) {
    for (std::size_t hole = 1; hole <= 18; ++hole) {
        const std::size_t slot = hole <= 9 ? hole - 1 : hole;
        columns.push_back({prefix + std::to_string(hole), Value(values[slot])});
        if (hole == 9) {
            columns.push_back({out, Value(values[kOut])});
        }
    }
    columns.push_back({in, Value(values[kIn])});
}

void AppendStats(Columns& columns, const IntArray& intStats,
                 std::initializer_list<std::pair<const char*, std::size_t>> slots) {
    for (const auto& [column, slot] : slots) {
        columns.push_back({column, Value(intStats[slot])});
    }
}

// The caller's arguments, held together while the statements are built.
struct NewGame {
    IntArray& intScores;
    IntArray& intPars;
    IntArray& intCaps;
    std::string& datDate;
    std::string& strGolfer;
    std::string& strClub;
    std::string& strGameID;
    IntArray& intStats;
    std::string& strTees;
    std::string& strClubID;
    std::string& strGolferID;
    std::int16_t intHoles;
    float sngStrokeAvg;
    float sngPuttAvg;
    TextArray& strPartners;
    std::string& strCategory;
    std::int16_t intHandicap;
    float sngGreensHit;
    float sngFWaysHit;
    SingleArray& sngParAvg;

    void RequireSlots() const {
        detail::RequireSlots(intScores, kScoreSlots);
        detail::RequireSlots(intPars, kParSlots);
        detail::RequireSlots(intCaps, 18);
        detail::RequireSlots(intStats, kStatSlots);
        detail::RequireSlots(strPartners, 3);
        detail::RequireSlots(sngParAvg, 3);
    }
    // The screens check these already; the row is checked again where it is
    // written, since a game the statistics cannot place, a date no calendar
    // has or a figure that is no number would stay in the file for good.
    void RequireSoundFigures() const {
        if (intHoles != 9 && intHoles != 18) {
            throw Error(kInvalidArgument,
                        "A game is 9 or 18 holes long, not " + std::to_string(intHoles) + ".");
        }
        if (!detail::IsDateTimeText(datDate)) {
            throw Error(kInvalidArgument, "The play date \"" + datDate +
                                              "\" is not a date and time of the form "
                                              "YYYY-MM-DD HH:MM:SS.");
        }
        detail::RequireFinite({sngStrokeAvg, sngPuttAvg, sngGreensHit, sngFWaysHit, sngParAvg[0],
                               sngParAvg[1], sngParAvg[2]},
                              "game");
    }
    bool EighteenHoles() const { return detail::EighteenHoles(intHoles); }
};

detail::GolferShare ShareOf(const NewGame& game) {
    const IntArray& intScores = game.intScores;
    const IntArray& intStats = game.intStats;
    detail::GolferShare share;
    share.golferID = game.strGolferID;
    share.eighteenHoles = game.EighteenHoles();
    share.gross = intScores[kGross];
    share.net = intScores[kNet];
    share.putts = intStats[kPutts];
    for (std::size_t i = 0; i < 10; ++i) {
        share.holeResults[i] = intStats[kAces + i];
    }
    share.fairways[0] = intStats[kFWaysLeft];
    share.fairways[1] = intStats[kFWaysRight];
    share.fairways[2] = intStats[kFWaysMissed];
    const std::size_t greens[] = {kGreensLeft, kGreensRight, kGreensLong, kGreensShort,
                                  kGreensMissed};
    const std::size_t putts[] = {kPuttsLeft, kPuttsRight, kPuttsLong, kPuttsShort, kPuttsMissed};
    for (std::size_t i = 0; i < 5; ++i) {
        share.greens[i] = intStats[greens[i]];
        share.puttsMissed[i] = intStats[putts[i]];
    }
    share.sandSaves = intStats[kSandSaves];
    share.upDowns = intStats[kUpDowns];
    for (std::size_t i = 0; i < 3; ++i) {
        share.parScores[i] = intStats[kPar3Score + i];
        share.parCounts[i] = intStats[kPar3Count + i];
    }
    return share;
}

// Every column of the game row, with the entry screen's slot behind it.
Columns GameRow(Putt& putt, NewGame& g) {
    Columns columns{{"GameID", Value(g.strGameID)}, {"FullName", CleanedText(putt, g.strGolfer)},
                    {"PlayDate", Value(g.datDate)}, {"Club", CleanedText(putt, g.strClub)},
                    {"Tees", Value(g.strTees)},     {"GolferID", Value(g.strGolferID)},
                    {"ClubID", Value(g.strClubID)}};
    for (std::size_t i = 0; i < 3; ++i) {
        columns.push_back({"Partner" + std::to_string(i + 1), CleanedText(putt, g.strPartners[i])});
    }
    columns.push_back({"Category", Value(g.strCategory)});
    AppendByHole(columns, "Score", "ScoreOut", "ScoreIn", g.intScores);
    columns.push_back({"GrossScore", Value(g.intScores[kGross])});
    columns.push_back({"NetScore", Value(g.intScores[kNet])});
    columns.push_back({"Handicap", Value(g.intHandicap)});
    for (std::size_t i = 0; i < 3; ++i) {
        columns.push_back(
            {"PartnerScore" + std::to_string(i + 1), Value(g.intScores[kPartnerScore1 + i])});
    }
    AppendByHole(columns, "Par", "ParOut", "ParIn", g.intPars);
    columns.push_back({"CoursePar", Value(g.intPars[kCoursePar])});
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string par = "Par" + std::to_string(i + 3);
        columns.push_back({par + "18", Value(g.intStats[kPar3Count + i])});
        columns.push_back({par + "Scr", Value(g.intStats[kPar3Score + i])});
        columns.push_back({par + "Avg", Value(g.sngParAvg[i])});
    }
    for (std::size_t hole = 1; hole <= 18; ++hole) {
        columns.push_back({"HCap" + std::to_string(hole), Value(g.intCaps[hole - 1])});
    }
    AppendStats(columns, g.intStats, {{"FWaysLeft", kFWaysLeft},
                                      {"FWaysRight", kFWaysRight},
                                      {"FWaysMissed", kFWaysMissed},
                                      {"GreensLeft", kGreensLeft},
                                      {"GreensRight", kGreensRight},
                                      {"GreensLong", kGreensLong},
                                      {"GreensShort", kGreensShort},
                                      {"GreensMissed", kGreensMissed},
                                      {"PuttsLeft", kPuttsLeft},
                                      {"PuttsRight", kPuttsRight},
                                      {"PuttsLong", kPuttsLong},
                                      {"PuttsShort", kPuttsShort},
                                      {"TotalPutts", kPutts},
                                      {"PuttsMissed", kPuttsMissed},
                                      {"SandSaves", kSandSaves},
                                      {"UpDowns", kUpDowns},
                                      {"LongDrive", kLongDrive},
                                      {"Aces", kAces},
                                      {"Eagles", kEagles},
                                      {"DEagles", kDEagles},
                                      {"Birds", kBirds},
                                      {"Pars", kBirds + 1},
                                      {"Bogies", kBirds + 2},
                                      {"DBogies", kBirds + 3},
                                      {"TBogies", kBirds + 4},
                                      {"QBogies", kBirds + 5},
                                      {"Others", kOthers},
                                      {"TotalFWays", kFWaysToHit}});
    columns.push_back({"Holes", Value(g.intHoles)});
    columns.push_back({"StrokeAvg", Value(g.sngStrokeAvg)});
    columns.push_back({"PuttsPerGreen", Value(g.sngPuttAvg)});
    columns.push_back({"PercentGreensHit", Value(g.sngGreensHit)});
    columns.push_back({"PercentFWaysHit", Value(g.sngFWaysHit)});
    columns.push_back({"TotalGross", Value(g.intScores[kGross])});
    columns.push_back({"TotalNet", Value(g.intScores[kNet])});
    const std::string length = g.EighteenHoles() ? "18" : "9";
    columns.push_back({"TotalGross" + length, Value(g.intScores[kGross])});
    columns.push_back({"TotalNet" + length, Value(g.intScores[kNet])});
    columns.push_back({"TotalPutts" + length, Value(g.intStats[kPutts])});
    columns.push_back({"GrossStrokes" + length, Value(g.intScores[kGross])});
    columns.push_back({"NetStrokes" + length, Value(g.intScores[kNet])});
    columns.push_back({"AddDate", Value(detail::NowText())});
    return columns;
}

// The row as AddGame writes it, for the game already stored under that
// identifier: its GameID and AddDate stay, ModDate notes the correction, and the totals of the
// other length go back to 0, as in a new row of this length.
Columns ReplacementRow(Putt& putt, NewGame& game) {
    Columns columns;
    for (auto& column : GameRow(putt, game)) {
        if (column.name != "GameID" && column.name != "AddDate") {
            columns.push_back(std::move(column));
        }
    }
    const std::string other = game.EighteenHoles() ? "9" : "18";
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
void RequireWritable(Connection& connection, const NewGame& game) {
    game.RequireSlots();
    game.RequireSoundFigures();
    detail::RequireStored(connection, "tblClub", "ClubID", game.strClubID, "course of this game");
}

// The row and its share of the golfer's statistics; the averages are the
// caller's to work out once the sums are in.
void InsertNewGame(Putt& putt, Connection& connection, NewGame& game) {
    RequireWritable(connection, game);
    detail::Insert(connection, "tblGames", GameRow(putt, game));
    detail::AddToGolfer(connection, ShareOf(game));
}

}  // namespace

namespace detail {

void InsertGame(Putt& putt, Connection& connection, Putt::GameWrite& g) {
    NewGame game{g.intScores,   g.intPars,     g.intCaps,      g.datDate,     g.strGolfer,
                 g.strClub,     g.strGameID,   g.intStats,     g.strTees,     g.strClubID,
                 g.strGolferID, g.intHoles,    g.sngStrokeAvg, g.sngPuttAvg,  g.strPartners,
                 g.strCategory, g.intHandicap, g.sngGreensHit, g.sngFWaysHit, g.sngParAvg};
    InsertNewGame(putt, connection, game);
}

}  // namespace detail

bool Putt::AddGame(IntArray& intScores, IntArray& intPars, IntArray& intCaps, std::string& datDate,
                   std::string& strGolfer, std::string& strClub, std::string& strGameID,
                   IntArray& intStats, std::string& strTees, std::string& strClubID,
                   std::string& strGolferID, std::int16_t intHoles, float sngStrokeAvg,
                   float sngPuttAvg, TextArray& strPartners, std::string& strCategory,
                   std::int16_t intHandicap, float sngGreensHit, float sngFWaysHit,
                   SingleArray& sngParAvg) {
    NewGame game{intScores,   intPars,     intCaps,      datDate,     strGolfer,
                 strClub,     strGameID,   intStats,     strTees,     strClubID,
                 strGolferID, intHoles,    sngStrokeAvg, sngPuttAvg,  strPartners,
                 strCategory, intHandicap, sngGreensHit, sngFWaysHit, sngParAvg};
    return RunWrite({"Add Game - DLL Function", "AddGame", ScoresNotValid},
                    [&](Connection& connection) {
                        InsertNewGame(*this, connection, game);
                        detail::RecomputeAverages(connection, strGolferID, game.EighteenHoles());
                        return Outcome::Commit;
                    });
}

bool Putt::ReplaceGame(IntArray& intScores, IntArray& intPars, IntArray& intCaps,
                       std::string& datDate, std::string& strGolfer, std::string& strClub,
                       std::string& strGameID, IntArray& intStats, std::string& strTees,
                       std::string& strClubID, std::string& strGolferID, std::int16_t intHoles,
                       float sngStrokeAvg, float sngPuttAvg, TextArray& strPartners,
                       std::string& strCategory, std::int16_t intHandicap, float sngGreensHit,
                       float sngFWaysHit, SingleArray& sngParAvg, ShownRecord* shown) {
    detail::ForgetChange(shown);
    NewGame game{intScores,   intPars,     intCaps,      datDate,     strGolfer,
                 strClub,     strGameID,   intStats,     strTees,     strClubID,
                 strGolferID, intHoles,    sngStrokeAvg, sngPuttAvg,  strPartners,
                 strCategory, intHandicap, sngGreensHit, sngFWaysHit, sngParAvg};
    return RunWrite(
        {"Replace Game - DLL Function", "ReplaceGame", ScoresNotValid},
        [&](Connection& connection) {
            RequireWritable(connection, game);
            if (!detail::StillAsShown(connection, "tblGames", "GameID", strGameID, shown)) {
                return Outcome::RollBack;
            }
            const auto stored = detail::StoredShares(connection, "GameID", strGameID);
            if (stored.empty()) {
                throw Error(kNoCurrentRecord, "The game to replace (" + strGameID +
                                                  ") is no longer stored: it was removed "
                                                  "since it was chosen.");
            }
            for (const auto& share : stored) {
                detail::TakeOutOfGolfer(connection, share);
            }
            detail::Update(connection, "tblGames", ReplacementRow(*this, game), "GameID",
                           strGameID);
            detail::AddToGolfer(connection, ShareOf(game));
            detail::RecomputeAverages(connection, strGolferID, game.EighteenHoles());
            return Outcome::Commit;
        });
}

}  // namespace zeviza
