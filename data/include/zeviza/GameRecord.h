#pragma once
// One round as the game writes store it: every value of its tblGames row
// that the caller gives, by name. Plain values with no behaviour, so that
// whatever makes rounds (the entry and edit screens, an import) fills the
// same record. Texts are given as typed: the library stores them trimmed of
// blanks and without NUL characters, and never changes the record.
#include <array>
#include <cstdint>
#include <string>

#include "zeviza/HoleValues.h"

namespace zeviza {

// The detail counts of a round, each a number of holes unless it says otherwise.
struct GameStats {
    std::int16_t fairwaysLeft = 0;     // tee shots missed left of the fairway
    std::int16_t fairwaysRight = 0;    // tee shots missed right of the fairway
    std::int16_t fairwaysMissed = 0;   // fairways missed in all (left + right)
    std::int16_t fairwaysToHit = 0;    // par-4 and par-5 fairways of the holes played
    std::int16_t greensLeft = 0;       // approach shots missed left of the green
    std::int16_t greensRight = 0;      // approach shots missed right of the green
    std::int16_t greensLong = 0;       // approach shots missed over the green
    std::int16_t greensShort = 0;      // approach shots missed short of the green
    std::int16_t greensMissed = 0;     // greens missed in all (left + right + long + short)
    std::int16_t puttsLeft = 0;        // putts missed left of the hole
    std::int16_t puttsRight = 0;       // putts missed right of the hole
    std::int16_t puttsLong = 0;        // putts missed past the hole
    std::int16_t puttsShort = 0;       // putts left short of the hole
    std::int16_t puttsMissed = 0;      // putts missed in all (left + right + long + short)
    std::int16_t totalPutts = 0;       // putts taken over the round
    std::int16_t sandSaves = 0;        // holes saved from a bunker
    std::int16_t upDowns = 0;          // holes saved by an up and down
    std::int16_t longDrive = 0;        // the round's longest drive, in yards
    std::int16_t aces = 0;             // holes in one
    std::int16_t doubleEagles = 0;     // holes at 3 under par
    std::int16_t eagles = 0;           // holes at 2 under par
    std::int16_t birdies = 0;          // holes at 1 under par
    std::int16_t pars = 0;             // holes at par
    std::int16_t bogies = 0;           // holes at 1 over par
    std::int16_t doubleBogies = 0;     // holes at 2 over par
    std::int16_t tripleBogies = 0;     // holes at 3 over par
    std::int16_t quadrupleBogies = 0;  // holes at 4 over par
    std::int16_t others = 0;           // holes at more than 4 over par
    ParTypeCounts parScores{};         // strokes summed over the played holes of each par
    ParTypeCounts parCounts{};         // played holes of each par

    friend bool operator==(const GameStats&, const GameStats&) = default;
};

struct GameRecord {
    std::string gameId;                   // the new game's identifier ("G12"); kept by ReplaceGame
    std::string golferId;                 // the golfer who played it, stored in tblGolfer
    std::string golferName;               // the golfer's full name as the game lists show it
    std::string category;                 // the golfer's category ("Adult Male"), stored as given
    std::string clubId;                   // the course record played, stored in tblClub
    std::string clubName;                 // the course's name as the game lists show it
    std::string tees;                     // the course record's tees, stored as given
    std::string playDate;                 // "YYYY-MM-DD HH:MM:SS", a real calendar date
    std::int16_t holes = 0;               // 9 or 18: which of the golfer's statistics it counts in
    HoleValues scores{};                  // strokes on each hole, 0 where not played
    std::int16_t scoreOut = 0;            // strokes on holes 1 to 9
    std::int16_t scoreIn = 0;             // strokes on holes 10 to 18
    std::int16_t gross = 0;               // strokes over the round
    std::int16_t net = 0;                 // gross less the strokes given
    HoleValues pars{};                    // each hole's par, copied from the course record
    std::int16_t parOut = 0;              // par of holes 1 to 9
    std::int16_t parIn = 0;               // par of holes 10 to 18
    std::int16_t coursePar = 0;           // par of the holes played (a nine's own par)
    HoleValues holeHandicaps{};           // each hole's stroke allocation, from the course
    std::array<std::string, 3> partners;  // playing partners' names, empty for none
    std::array<std::int16_t, 3> partnerScores{};  // the partners' scores, 0 for none
    std::int16_t handicap = 0;                    // the golfer's handicap, whole strokes
    GameStats stats;
    float strokeAverage = 0.0f;     // net strokes per hole played
    float puttAverage = 0.0f;       // putts per hole played
    float greensHit = 0.0f;         // greens hit, percent of the holes played
    float fairwaysHit = 0.0f;       // fairways hit, percent of fairwaysToHit
    ParTypeAverages parAverages{};  // parScores / parCounts, 0 where the count is 0

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// What removing a game needs: the game, and for the stroke averages worked
// out again afterwards, its golfer and length.
struct GameRemoval {
    std::string gameId;
    std::string golferId;
    std::int16_t holes = 0;  // 9 or 18
};

}  // namespace zeviza
