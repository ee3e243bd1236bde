#pragma once
// The game writes in their array form, filled slot by slot as callers written
// against the arrays fill them. The layout is spelt out here on its own, not
// taken from the library, so the adapter tests check it independently.
#include "tests/support/WritesSupport.h"

namespace game_arrays {

using zeviza::IntArray;

struct GameArrays {
    IntArray intScores = IntArray(26);
    IntArray intPars = IntArray(22);
    IntArray intCaps = IntArray(19);
    std::string datDate;
    std::string strGolfer;
    std::string strClub;
    std::string strGameID;
    IntArray intStats = IntArray(36);
    std::string strTees;
    std::string strClubID;
    std::string strGolferID;
    std::int16_t intHoles = 0;
    float sngStrokeAvg = 0;
    float sngPuttAvg = 0;
    zeviza::TextArray strPartners = zeviza::TextArray(4);
    std::string strCategory;
    std::int16_t intHandicap = 0;
    float sngGreensHit = 0;
    float sngFWaysHit = 0;
    zeviza::SingleArray sngParAvg = zeviza::SingleArray(4);

    bool Add(zeviza::Putt& putt) {
        return putt.AddGame(intScores, intPars, intCaps, datDate, strGolfer, strClub, strGameID,
                            intStats, strTees, strClubID, strGolferID, intHoles, sngStrokeAvg,
                            sngPuttAvg, strPartners, strCategory, intHandicap, sngGreensHit,
                            sngFWaysHit, sngParAvg);
    }
    bool Replace(zeviza::Putt& putt, zeviza::ShownRecord* shown = nullptr) {
        return putt.ReplaceGame(intScores, intPars, intCaps, datDate, strGolfer, strClub, strGameID,
                                intStats, strTees, strClubID, strGolferID, intHoles, sngStrokeAvg,
                                sngPuttAvg, strPartners, strCategory, intHandicap, sngGreensHit,
                                sngFWaysHit, sngParAvg, shown);
    }
};

// Holes 1-9 at 0-8, the Out total at 9, holes 10-18 at 10-18, the In total at 19.
inline void ByHole(IntArray& slots, const zeviza::HoleValues& holes, std::int16_t out,
                   std::int16_t in) {
    for (std::size_t hole = 0; hole < 18; ++hole) {
        slots[hole < 9 ? hole : hole + 1] = holes[hole];
    }
    slots[9] = out;
    slots[19] = in;
}

inline GameArrays ArraysOf(const writes_support::Game& g) {
    GameArrays a;
    ByHole(a.intScores, g.scores, g.scoreOut, g.scoreIn);
    a.intScores[20] = g.gross;
    a.intScores[24] = g.net;
    ByHole(a.intPars, g.pars, g.parOut, g.parIn);
    a.intPars[20] = g.coursePar;
    std::copy(g.holeHandicaps.begin(), g.holeHandicaps.end(), a.intCaps.begin());
    for (std::size_t i = 0; i < 3; ++i) {
        a.intScores[21 + i] = g.partnerScores[i];
        a.strPartners[i] = g.partners[i];
        a.sngParAvg[i] = g.parAverages[i];
    }
    const zeviza::GameStats& s = g.stats;
    a.intStats = {s.fairwaysLeft,
                  s.fairwaysRight,
                  s.greensLeft,
                  s.greensRight,
                  s.greensLong,
                  s.greensShort,
                  s.puttsLeft,
                  s.puttsRight,
                  s.puttsLong,
                  s.puttsShort,
                  s.sandSaves,
                  s.upDowns,
                  s.fairwaysMissed,
                  s.totalPutts,
                  s.longDrive,
                  s.aces,
                  s.doubleEagles,
                  s.eagles,
                  s.birdies,
                  s.pars,
                  s.bogies,
                  s.doubleBogies,
                  s.tripleBogies,
                  s.quadrupleBogies,
                  s.others,
                  s.greensMissed,
                  s.puttsMissed,
                  s.fairwaysToHit,
                  0,
                  s.parScores[0],
                  s.parScores[1],
                  s.parScores[2],
                  s.parCounts[0],
                  s.parCounts[1],
                  s.parCounts[2],
                  0};
    a.datDate = g.playDate;
    a.strGolfer = g.golferName;
    a.strClub = g.clubName;
    a.strGameID = g.gameId;
    a.strTees = g.tees;
    a.strClubID = g.clubId;
    a.strGolferID = g.golferId;
    a.intHoles = g.holes;
    a.sngStrokeAvg = g.strokeAverage;
    a.sngPuttAvg = g.puttAverage;
    a.strCategory = g.category;
    a.intHandicap = g.handicap;
    a.sngGreensHit = g.greensHit;
    a.sngFWaysHit = g.fairwaysHit;
    return a;
}

}  // namespace game_arrays
