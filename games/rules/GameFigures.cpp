#include "games/rules/GameFigures.h"

#include <cstdio>
#include <initializer_list>
#include <limits>

#include "games/rules/GameNumbers.h"
#include "zeviza/Identifiers.h"

namespace parlow::games {
namespace {

// intScores and intPars share their layout: holes 1-9, Out, holes 10-18, In.
enum HoleLayout { kFrontTotal = 9, kBackTotal = 19, kGross = 20, kCoursePar = 20 };
enum ScoreSlot { kFirstPartnerScore = 21, kNet = 24 };
enum StatSlot {
    kFairwaysMissedLeft = 0,
    kFairwaysMissedRight = 1,
    kGreensMissedLeft = 2,
    kPuttsMissedLeft = 6,
    kFairwaysMissed = 12,
    kTotalPutts = 13,
    kGreensMissed = 25,
    kPuttsMissed = 26,
    kFairwaysToHit = 27,
    kFairwaysMissedAgain = 28,
    kPar3Score = 29,
    kPar3Count = 32,
};

constexpr int HoleSlot(int hole) {
    return hole < 9 ? hole : hole + 1;
}

// Reads and sums in 16 bits, remembering whether anything left the range so
// that one check at the end can refuse the whole round.
class SixteenBits {
  public:
    std::int16_t Read(const std::string& text) {
        const std::optional<std::int16_t> value = FieldInteger(text);
        overflowed_ = overflowed_ || !value;
        return value.value_or(0);
    }

    std::int16_t Sum(std::initializer_list<int> parts) {
        int total = 0;
        for (int part : parts) {
            total += part;
        }
        if (total < std::numeric_limits<std::int16_t>::min() ||
            total > std::numeric_limits<std::int16_t>::max()) {
            overflowed_ = true;
            return 0;
        }
        return static_cast<std::int16_t>(total);
    }

    bool Overflowed() const { return overflowed_; }

  private:
    bool overflowed_ = false;
};

// A course without holes of a par, or without fairways to hit, has nothing to
// divide by; its share is 0 rather than a failed save.
float Share(int part, int whole, double scale = 1.0) {
    if (whole == 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(part) / whole * scale);
}

// Every hole counts toward its par type, an unplayed one with 0.
void FillHoleScores(const GameEntry& entry, const CourseCard& course, SixteenBits& bits,
                    GameFigures& figures) {
    zeviza::IntArray& stats = figures.intStats;
    for (int hole = 0; hole < 18; ++hole) {
        const std::int16_t score = bits.Read(entry.hole[hole]);
        figures.intScores[HoleSlot(hole)] = score;
        const int par = bits.Read(course.par[hole]);
        if (par >= 3 && par <= 5) {
            const int slot = kPar3Score + par - 3;
            stats[slot] = bits.Sum({stats[slot], score});
        }
    }
}

// Gross and net are both the typed totals: the scores are net already.
void FillTotals(const GameEntry& entry, SixteenBits& bits, GameFigures& figures) {
    zeviza::IntArray& scores = figures.intScores;
    scores[kFrontTotal] = bits.Read(entry.out);
    scores[kBackTotal] = bits.Read(entry.in);
    scores[kGross] = bits.Sum({scores[kFrontTotal], scores[kBackTotal]});
    scores[kNet] = scores[kGross];
    figures.intHoles = scores[kFrontTotal] == 0 || scores[kBackTotal] == 0 ? 9 : 18;
    for (int partner = 0; partner < 3; ++partner) {
        scores[kFirstPartnerScore + partner] = bits.Read(entry.partnerScore[partner]);
        figures.strPartners[partner] = entry.partnerName[partner];
    }
}

void FillCourseValues(const CourseCard& course, SixteenBits& bits, GameFigures& figures) {
    zeviza::IntArray& pars = figures.intPars;
    for (int hole = 0; hole < 18; ++hole) {
        pars[HoleSlot(hole)] = bits.Read(course.par[hole]);
        figures.intCaps[hole] = bits.Read(course.hcap[hole]);
    }
    pars[kFrontTotal] = bits.Read(course.ParOut);
    pars[kBackTotal] = bits.Read(course.ParIn);
    pars[kCoursePar] = bits.Sum({pars[kFrontTotal], pars[kBackTotal]});
    zeviza::IntArray& stats = figures.intStats;
    stats[kFairwaysToHit] = bits.Read(course.TotalFWays);
    stats[kPar3Count] = bits.Read(course.Par3s);
    stats[kPar3Count + 1] = bits.Read(course.Par4s);
    stats[kPar3Count + 2] = bits.Read(course.Par5s);
}

// The first twelve counts fill slots 0-11, the other twelve slots 13-24,
// around the fairways-missed sum in slot 12.
void FillDetailCounts(const GameEntry& entry, SixteenBits& bits, GameFigures& figures) {
    zeviza::IntArray& stats = figures.intStats;
    for (int detail = 0; detail < 24; ++detail) {
        stats[detail < 12 ? detail : detail + 1] = bits.Read(entry.detail[detail]);
    }
    stats[kFairwaysMissed] = bits.Sum({stats[kFairwaysMissedLeft], stats[kFairwaysMissedRight]});
    stats[kFairwaysMissedAgain] = stats[kFairwaysMissed];
    const int g = kGreensMissedLeft;
    stats[kGreensMissed] = bits.Sum({stats[g], stats[g + 1], stats[g + 2], stats[g + 3]});
    const int p = kPuttsMissedLeft;
    stats[kPuttsMissed] = bits.Sum({stats[p], stats[p + 1], stats[p + 2], stats[p + 3]});
}

// Per hole played, not per green reached.
void FillAverages(GameFigures& figures) {
    const double holes = figures.intHoles;
    figures.sngStrokeAvg = ToHundredths(figures.intScores[kNet] / holes);
    const int putts = figures.intStats[kTotalPutts];
    figures.sngPuttAvg = putts == 0 ? 0.0f : ToHundredths(putts / holes);
}

// Neither percentage is clamped. Fairways are those of all 18 holes even in a
// nine-hole game, as the course lists them.
void FillPercentages(SixteenBits& bits, GameFigures& figures) {
    const zeviza::IntArray& stats = figures.intStats;
    const int greensHit = bits.Sum({figures.intHoles, -stats[kGreensMissed]});
    figures.sngGreensHit = Share(greensHit, figures.intHoles, 100.0);
    const int fairwaysHit = bits.Sum({stats[kFairwaysToHit], -stats[kFairwaysMissedAgain]});
    figures.sngFWaysHit = Share(fairwaysHit, stats[kFairwaysToHit], 100.0);
}

// Divided by the course's counts for all 18 holes, also in a nine-hole game.
void FillParAverages(GameFigures& figures) {
    for (int type = 0; type < 3; ++type) {
        figures.sngParAvg[type] =
            Share(figures.intStats[kPar3Score + type], figures.intStats[kPar3Count + type]);
    }
}

std::string Midnight(std::chrono::year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u 00:00:00", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

void FillNames(const CourseCard& course, const GolferChoice& golfer,
               std::chrono::year_month_day gameDate, SixteenBits& bits, GameFigures& figures) {
    figures.datDate = Midnight(gameDate);
    figures.strGolfer = golfer.FullName;
    figures.strClub = course.ClubName;
    figures.strTees = course.Tees;
    figures.strClubID = course.ClubID;
    figures.strGolferID = golfer.GolferID;
    figures.strCategory = golfer.Category;
    figures.intHandicap = bits.Read(golfer.Handicap);
}

}  // namespace

std::variant<GameFigures, zeviza::Error> ComputeGameFigures(const GameEntry& entry,
                                                            const CourseCard& course,
                                                            const GolferChoice& golfer,
                                                            std::chrono::year_month_day gameDate) {
    SixteenBits bits;
    GameFigures figures;
    FillHoleScores(entry, course, bits, figures);
    FillTotals(entry, bits, figures);
    FillCourseValues(course, bits, figures);
    FillDetailCounts(entry, bits, figures);
    FillAverages(figures);
    FillPercentages(bits, figures);
    FillParAverages(figures);
    FillNames(course, golfer, gameDate, bits, figures);
    if (bits.Overflowed()) {
        return zeviza::Error(kOverflowNumber, kOverflowDescription);
    }
    return figures;
}

std::optional<std::string> MakeNewGameID(const zeviza::RecordSet* newGameIdRows) {
    return zeviza::FormIdentifierFromRows(zeviza::kGameIdentifiers, newGameIdRows);
}

}  // namespace parlow::games
