#include "games/rules/GameFigures.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <limits>

#include "games/rules/GameNumbers.h"
#include "zeviza/Identifiers.h"

namespace parlow::games {
namespace {

using zeviza::GameRecord;
using zeviza::GameStats;

// The detail counts in the order of the entry screen's fields.
constexpr std::int16_t GameStats::*kDetailCounts[24] = {
    &GameStats::fairwaysLeft, &GameStats::fairwaysRight,   &GameStats::greensLeft,
    &GameStats::greensRight,  &GameStats::greensLong,      &GameStats::greensShort,
    &GameStats::puttsLeft,    &GameStats::puttsRight,      &GameStats::puttsLong,
    &GameStats::puttsShort,   &GameStats::sandSaves,       &GameStats::upDowns,
    &GameStats::totalPutts,   &GameStats::longDrive,       &GameStats::aces,
    &GameStats::doubleEagles, &GameStats::eagles,          &GameStats::birdies,
    &GameStats::pars,         &GameStats::bogies,          &GameStats::doubleBogies,
    &GameStats::tripleBogies, &GameStats::quadrupleBogies, &GameStats::others};

// Reads and sums in 16 bits, remembering the first value that left the
// range so that one check at the end can refuse the whole round by its name.
class SixteenBits {
  public:
    std::int16_t Read(const std::string& text, const std::string& name) {
        const std::optional<std::int16_t> value = FieldInteger(text);
        if (!value) {
            Overflow(name);
        }
        return value.value_or(0);
    }

    std::int16_t Sum(std::initializer_list<int> parts, const std::string& name) {
        int total = 0;
        for (int part : parts) {
            total += part;
        }
        if (total < std::numeric_limits<std::int16_t>::min() ||
            total > std::numeric_limits<std::int16_t>::max()) {
            Overflow(name);
            return 0;
        }
        return static_cast<std::int16_t>(total);
    }

    bool Overflowed() const { return overflowed_.has_value(); }
    const std::string& OverflowedName() const { return *overflowed_; }

  private:
    void Overflow(const std::string& name) {
        if (!overflowed_) {
            overflowed_ = name;
        }
    }

    std::optional<std::string> overflowed_;
};

std::string HoleName(int hole) {
    return "hole #" + std::to_string(hole + 1);
}

std::string CourseName(const std::string& value) {
    return "the course's " + value;
}

// The holes whose scores and pars make a round's par-type figures: both nines
// of an 18-hole round, the nine with a total of a nine-hole one.
struct PlayedHoles {
    int first = 0;
    int end = 18;

    bool IsNine() const { return end - first == 9; }
};

PlayedHoles PlayedHolesOf(const GameRecord& game) {
    if (game.holes == 18) {
        return {};
    }
    return game.scoreOut != 0 ? PlayedHoles{0, 9} : PlayedHoles{9, 18};
}

// A course without holes of a par, or without fairways to hit, has nothing to
// divide by; its share is 0 rather than a failed save.
float Share(int part, int whole, double scale = 1.0) {
    if (whole == 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(part) / whole * scale);
}

// Every hole is stored as typed; only the holes played count toward their
// par type.
void FillHoleScores(const GameEntry& entry, SixteenBits& bits, GameRecord& game) {
    for (int hole = 0; hole < 18; ++hole) {
        game.scores[hole] = bits.Read(entry.hole[hole], HoleName(hole));
    }
}

// Gross and net are both the typed totals: the scores are net already.
void FillTotals(const GameEntry& entry, SixteenBits& bits, GameRecord& game) {
    game.scoreOut = bits.Read(entry.out, "Out");
    game.scoreIn = bits.Read(entry.in, "In");
    game.gross = bits.Sum({game.scoreOut, game.scoreIn}, "Gross");
    game.net = game.gross;
    game.holes = game.scoreOut == 0 || game.scoreIn == 0 ? 9 : 18;
    for (int partner = 0; partner < 3; ++partner) {
        game.partnerScores[partner] =
            bits.Read(entry.partnerScore[partner],
                      "Playing Partner " + std::to_string(partner + 1) + " Score");
        game.partners[partner] = entry.partnerName[partner];
    }
}

void FillCourseValues(const CourseCard& course, SixteenBits& bits, GameRecord& game) {
    for (int hole = 0; hole < 18; ++hole) {
        game.pars[hole] = bits.Read(course.par[hole], CourseName("par of " + HoleName(hole)));
        game.holeHandicaps[hole] =
            bits.Read(course.hcap[hole], CourseName("HCap of " + HoleName(hole)));
    }
    game.parOut = bits.Read(course.ParOut, CourseName("Out par"));
    game.parIn = bits.Read(course.ParIn, CourseName("In par"));
    game.coursePar = bits.Sum({game.parOut, game.parIn}, CourseName("par"));
    game.stats.fairwaysToHit = bits.Read(course.TotalFWays, CourseName("F-Ways"));
}

// The par-type counts, sums and fairways of the holes played, and the par of
// a nine-hole round is that nine's: a nine cannot be measured against the
// course's 18. A fairway is to hit on a par-4 or par-5 hole, never more of
// them than the course counts.
void FillPlayedHoleFigures(const CourseCard& course, SixteenBits& bits, GameRecord& game) {
    const PlayedHoles played = PlayedHolesOf(game);
    GameStats& stats = game.stats;
    if (!played.IsNine()) {
        // The course's own counts, as its record gives them.
        const std::string* counts[] = {&course.Par3s, &course.Par4s, &course.Par5s};
        for (int type = 0; type < 3; ++type) {
            stats.parCounts[type] =
                bits.Read(*counts[type], CourseName("Par " + std::to_string(type + 3) + "s"));
        }
        return;
    }
    game.coursePar = played.first == 0 ? game.parOut : game.parIn;
    int longHoles = 0;
    for (int hole = played.first; hole < played.end; ++hole) {
        const int par = game.pars[hole];
        if (par >= 3 && par <= 5) {
            ++stats.parCounts[par - 3];
        }
        longHoles += par == 4 || par == 5 ? 1 : 0;
    }
    stats.fairwaysToHit = static_cast<std::int16_t>(std::min<int>(stats.fairwaysToHit, longHoles));
}

void FillParTypeScores(SixteenBits& bits, GameRecord& game) {
    const PlayedHoles played = PlayedHolesOf(game);
    for (int hole = played.first; hole < played.end; ++hole) {
        const int par = game.pars[hole];
        if (par >= 3 && par <= 5) {
            std::int16_t& sum = game.stats.parScores[par - 3];
            sum = bits.Sum({sum, game.scores[hole]}, "Par " + std::to_string(par) + " score sum");
        }
    }
}

void FillDetailCounts(const GameEntry& entry, SixteenBits& bits, GameRecord& game) {
    GameStats& s = game.stats;
    for (int detail = 0; detail < 24; ++detail) {
        s.*kDetailCounts[detail] = bits.Read(entry.detail[detail], kDetailNames[detail]);
    }
    s.fairwaysMissed = bits.Sum({s.fairwaysLeft, s.fairwaysRight}, "Fairways Missed");
    s.greensMissed =
        bits.Sum({s.greensLeft, s.greensRight, s.greensLong, s.greensShort}, "Greens Missed");
    s.puttsMissed =
        bits.Sum({s.puttsLeft, s.puttsRight, s.puttsLong, s.puttsShort}, "Putts Missed");
}

// Per hole played, not per green reached.
void FillAverages(GameRecord& game) {
    const double holes = game.holes;
    game.strokeAverage = ToHundredths(game.net / holes);
    const int putts = game.stats.totalPutts;
    game.puttAverage = putts == 0 ? 0.0f : ToHundredths(putts / holes);
}

// Neither percentage is clamped. Fairways are those of the holes played.
void FillPercentages(SixteenBits& bits, GameRecord& game) {
    const GameStats& stats = game.stats;
    const int greensHit = bits.Sum({game.holes, -stats.greensMissed}, "Greens Hit");
    game.greensHit = Share(greensHit, game.holes, 100.0);
    game.fairwaysHit = FairwaysHitPercent(stats.fairwaysToHit, stats.fairwaysMissed);
}

// Divided by the par-type counts of the holes played.
void FillParAverages(GameRecord& game) {
    for (int type = 0; type < 3; ++type) {
        game.parAverages[type] = Share(game.stats.parScores[type], game.stats.parCounts[type]);
    }
}

std::string Midnight(std::chrono::year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u 00:00:00", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

void FillNames(const CourseCard& course, const GolferChoice& golfer,
               std::chrono::year_month_day gameDate, SixteenBits& bits, GameRecord& game) {
    game.playDate = Midnight(gameDate);
    game.golferName = golfer.FullName;
    game.clubName = course.ClubName;
    game.tees = course.Tees;
    game.clubId = course.ClubID;
    game.golferId = golfer.GolferID;
    game.category = golfer.Category;
    game.handicap = bits.Read(golfer.Handicap, "Handicap");
}

}  // namespace

float FairwaysHitPercent(int fairwaysToHit, int fairwaysMissed) {
    return Share(fairwaysToHit - fairwaysMissed, fairwaysToHit, 100.0);
}

std::variant<GameRecord, zeviza::Error> ComputeGameFigures(const GameEntry& entry,
                                                           const CourseCard& course,
                                                           const GolferChoice& golfer,
                                                           std::chrono::year_month_day gameDate) {
    SixteenBits bits;
    GameRecord figures;
    FillHoleScores(entry, bits, figures);
    FillTotals(entry, bits, figures);
    FillCourseValues(course, bits, figures);
    FillPlayedHoleFigures(course, bits, figures);
    FillParTypeScores(bits, figures);
    FillDetailCounts(entry, bits, figures);
    FillAverages(figures);
    FillPercentages(bits, figures);
    FillParAverages(figures);
    FillNames(course, golfer, gameDate, bits, figures);
    if (bits.Overflowed()) {
        return zeviza::Error(kOverflowNumber,
                             std::string(kOverflowDescription) + " in " + bits.OverflowedName());
    }
    return figures;
}

namespace {

std::string Text(const zeviza::RecordSet& row, const std::string& column) {
    return row.Field(column).ToText();
}

std::string HoleColumn(const char* prefix, int hole) {
    return prefix + std::to_string(hole + 1);
}

}  // namespace

std::optional<zeviza::NineHoleFigures> RefigureNineHoleGame(const zeviza::RecordSet& gameRow) {
    if (gameRow.Field("Holes").ToInt() != 9) {
        return std::nullopt;
    }
    GameEntry entry;
    CourseCard course;
    for (int hole = 0; hole < 18; ++hole) {
        entry.hole[hole] = Text(gameRow, HoleColumn("Score", hole));
        course.par[hole] = Text(gameRow, HoleColumn("Par", hole));
    }
    entry.out = Text(gameRow, "ScoreOut");
    entry.in = Text(gameRow, "ScoreIn");
    entry.detail[0] = Text(gameRow, "FWaysMissed");
    course.ParOut = Text(gameRow, "ParOut");
    course.ParIn = Text(gameRow, "ParIn");
    course.TotalFWays = Text(gameRow, "TotalFWays");
    const auto computed = ComputeGameFigures(entry, course, {}, std::chrono::year(2000) / 1 / 1);
    const GameRecord* f = std::get_if<GameRecord>(&computed);
    if (f == nullptr || f->holes != 9) {
        return std::nullopt;
    }
    zeviza::NineHoleFigures nine;
    nine.coursePar = f->coursePar;
    nine.fairwaysToHit = f->stats.fairwaysToHit;
    nine.fairwaysHit = f->fairwaysHit;
    for (int type = 0; type < 3; ++type) {
        nine.parScores[type] = f->stats.parScores[type];
        nine.parCounts[type] = f->stats.parCounts[type];
        nine.parAverages[type] = f->parAverages[type];
    }
    return nine;
}

std::optional<std::string> MakeNewGameID(const zeviza::RecordSet* newGameIdRows) {
    return zeviza::FormIdentifierFromRows(zeviza::kGameIdentifiers, newGameIdRows);
}

}  // namespace parlow::games
