#include "src/WriteHelpers.h"

// The game writes in their fixed-layout array form: each array is read into
// the named record by its slots, checked for length first, and the caller's
// texts are cleaned in place once the record passed its checks. This is the
// one place the slots are laid out.
//
// intScores and intPars: holes 1-9 at 0-8, Out 9, holes 10-18 at 10-18, In 19;
//   intScores 20 gross, 21-23 the partners' scores, 24 net; intPars 20 course par.
// intCaps: holes 1-18 at 0-17.
// intStats: 0 FWaysLeft, 1 FWaysRight, 2 GreensLeft, 3 GreensRight,
//   4 GreensLong, 5 GreensShort, 6 PuttsLeft, 7 PuttsRight, 8 PuttsLong,
//   9 PuttsShort, 10 SandSaves, 11 UpDowns, 12 FWaysMissed, 13 TotalPutts,
//   14 LongDrive, 15 Aces, 16 DEagles, 17 Eagles, 18 Birds, 19 Pars,
//   20 Bogies, 21 DBogies, 22 TBogies, 23 QBogies, 24 Others,
//   25 GreensMissed, 26 PuttsMissed, 27 TotalFWays (28 unused),
//   29-31 par-3/4/5 score sums, 32-34 par-3/4/5 counts.
// strPartners 0-2 and sngParAvg 0-2: the three partners, the three par types.

namespace zeviza {

namespace {

constexpr std::size_t kOut = 9;
constexpr std::size_t kIn = 19;
constexpr std::size_t kGross = 20;
constexpr std::size_t kCoursePar = 20;
constexpr std::size_t kPartnerScore1 = 21;
constexpr std::size_t kNet = 24;
constexpr std::size_t kPar3Score = 29;
constexpr std::size_t kPar3Count = 32;

HoleValues ByHole(const IntArray& values) {
    HoleValues holes{};
    for (std::size_t hole = 0; hole < 18; ++hole) {
        holes[hole] = values[hole < 9 ? hole : hole + 1];
    }
    return holes;
}

GameStats StatsOf(const IntArray& s) {
    GameStats stats;
    stats.fairwaysLeft = s[0];
    stats.fairwaysRight = s[1];
    stats.greensLeft = s[2];
    stats.greensRight = s[3];
    stats.greensLong = s[4];
    stats.greensShort = s[5];
    stats.puttsLeft = s[6];
    stats.puttsRight = s[7];
    stats.puttsLong = s[8];
    stats.puttsShort = s[9];
    stats.sandSaves = s[10];
    stats.upDowns = s[11];
    stats.fairwaysMissed = s[12];
    stats.totalPutts = s[13];
    stats.longDrive = s[14];
    stats.aces = s[15];
    stats.doubleEagles = s[16];
    stats.eagles = s[17];
    stats.birdies = s[18];
    stats.pars = s[19];
    stats.bogies = s[20];
    stats.doubleBogies = s[21];
    stats.tripleBogies = s[22];
    stats.quadrupleBogies = s[23];
    stats.others = s[24];
    stats.greensMissed = s[25];
    stats.puttsMissed = s[26];
    stats.fairwaysToHit = s[27];
    for (std::size_t type = 0; type < 3; ++type) {
        stats.parScores[type] = s[kPar3Score + type];
        stats.parCounts[type] = s[kPar3Count + type];
    }
    return stats;
}

// The caller's arguments, held together until the record is read from them.
struct GameArrays {
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

    // A write whose arrays are shorter than their layout fails before it has
    // touched the caller's texts or the database.
    GameRecord Record() const {
        detail::RequireSlots(intScores, 25);
        detail::RequireSlots(intPars, 21);
        detail::RequireSlots(intCaps, 18);
        detail::RequireSlots(intStats, 35);
        detail::RequireSlots(strPartners, 3);
        detail::RequireSlots(sngParAvg, 3);
        GameRecord game;
        game.gameId = strGameID;
        game.golferId = strGolferID;
        game.golferName = strGolfer;
        game.category = strCategory;
        game.clubId = strClubID;
        game.clubName = strClub;
        game.tees = strTees;
        game.playDate = datDate;
        game.holes = intHoles;
        game.scores = ByHole(intScores);
        game.scoreOut = intScores[kOut];
        game.scoreIn = intScores[kIn];
        game.gross = intScores[kGross];
        game.net = intScores[kNet];
        game.pars = ByHole(intPars);
        game.parOut = intPars[kOut];
        game.parIn = intPars[kIn];
        game.coursePar = intPars[kCoursePar];
        std::copy_n(intCaps.begin(), 18, game.holeHandicaps.begin());
        for (std::size_t i = 0; i < 3; ++i) {
            game.partners[i] = strPartners[i];
            game.partnerScores[i] = intScores[kPartnerScore1 + i];
            game.parAverages[i] = sngParAvg[i];
        }
        game.handicap = intHandicap;
        game.stats = StatsOf(intStats);
        game.strokeAverage = sngStrokeAvg;
        game.puttAverage = sngPuttAvg;
        game.greensHit = sngGreensHit;
        game.fairwaysHit = sngFWaysHit;
        return game;
    }

    // The texts a quoted statement would have spliced, in their escaped form.
    void CleanTexts(Putt& putt) const {
        for (std::string* text :
             {&strGolfer, &strClub, &strPartners[0], &strPartners[1], &strPartners[2]}) {
            putt.Clean(*text);
        }
    }
};

}  // namespace

bool Putt::AddGame(IntArray& intScores, IntArray& intPars, IntArray& intCaps, std::string& datDate,
                   std::string& strGolfer, std::string& strClub, std::string& strGameID,
                   IntArray& intStats, std::string& strTees, std::string& strClubID,
                   std::string& strGolferID, std::int16_t intHoles, float sngStrokeAvg,
                   float sngPuttAvg, TextArray& strPartners, std::string& strCategory,
                   std::int16_t intHandicap, float sngGreensHit, float sngFWaysHit,
                   SingleArray& sngParAvg) {
    const GameArrays arrays{intScores,   intPars,     intCaps,      datDate,     strGolfer,
                            strClub,     strGameID,   intStats,     strTees,     strClubID,
                            strGolferID, intHoles,    sngStrokeAvg, sngPuttAvg,  strPartners,
                            strCategory, intHandicap, sngGreensHit, sngFWaysHit, sngParAvg};
    GameRecord game;
    return WriteNewGame({[&]() -> const GameRecord& { return game = arrays.Record(); },
                         [&] { arrays.CleanTexts(*this); }});
}

bool Putt::ReplaceGame(IntArray& intScores, IntArray& intPars, IntArray& intCaps,
                       std::string& datDate, std::string& strGolfer, std::string& strClub,
                       std::string& strGameID, IntArray& intStats, std::string& strTees,
                       std::string& strClubID, std::string& strGolferID, std::int16_t intHoles,
                       float sngStrokeAvg, float sngPuttAvg, TextArray& strPartners,
                       std::string& strCategory, std::int16_t intHandicap, float sngGreensHit,
                       float sngFWaysHit, SingleArray& sngParAvg, ShownRecord* shown) {
    const GameArrays arrays{intScores,   intPars,     intCaps,      datDate,     strGolfer,
                            strClub,     strGameID,   intStats,     strTees,     strClubID,
                            strGolferID, intHoles,    sngStrokeAvg, sngPuttAvg,  strPartners,
                            strCategory, intHandicap, sngGreensHit, sngFWaysHit, sngParAvg};
    GameRecord game;
    return WriteReplacement({[&]() -> const GameRecord& { return game = arrays.Record(); },
                             [&] { arrays.CleanTexts(*this); }},
                            shown);
}

// The removal screen's intStats are what the removed row holds; the row
// itself is read instead, so they are not needed.
bool Putt::DeleteGame(std::string& strGameID, std::string& strGolferID, std::int16_t intHoles,
                      IntArray& /*intStats*/, ShownRecord* shown) {
    return DeleteGame(GameRemoval{strGameID, strGolferID, intHoles}, shown);
}

bool Putt::UpdateGolferStats(std::string& strGameID, std::string& strGolferID,
                             std::int16_t intHoles, IntArray& /*intStats*/) {
    return UpdateGolferStats(GameRemoval{strGameID, strGolferID, intHoles});
}

}  // namespace zeviza
