#include "games/rules/GameFigures.h"

#include <algorithm>
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

PlayedHoles PlayedHolesOf(const GameFigures& figures) {
    if (figures.intHoles == 18) {
        return {};
    }
    return figures.intScores[kFrontTotal] != 0 ? PlayedHoles{0, 9} : PlayedHoles{9, 18};
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
void FillHoleScores(const GameEntry& entry, SixteenBits& bits, GameFigures& figures) {
    for (int hole = 0; hole < 18; ++hole) {
        figures.intScores[HoleSlot(hole)] = bits.Read(entry.hole[hole], HoleName(hole));
    }
}

// Gross and net are both the typed totals: the scores are net already.
void FillTotals(const GameEntry& entry, SixteenBits& bits, GameFigures& figures) {
    zeviza::IntArray& scores = figures.intScores;
    scores[kFrontTotal] = bits.Read(entry.out, "Out");
    scores[kBackTotal] = bits.Read(entry.in, "In");
    scores[kGross] = bits.Sum({scores[kFrontTotal], scores[kBackTotal]}, "Gross");
    scores[kNet] = scores[kGross];
    figures.intHoles = scores[kFrontTotal] == 0 || scores[kBackTotal] == 0 ? 9 : 18;
    for (int partner = 0; partner < 3; ++partner) {
        scores[kFirstPartnerScore + partner] =
            bits.Read(entry.partnerScore[partner],
                      "Playing Partner " + std::to_string(partner + 1) + " Score");
        figures.strPartners[partner] = entry.partnerName[partner];
    }
}

void FillCourseValues(const CourseCard& course, SixteenBits& bits, GameFigures& figures) {
    zeviza::IntArray& pars = figures.intPars;
    for (int hole = 0; hole < 18; ++hole) {
        pars[HoleSlot(hole)] = bits.Read(course.par[hole], CourseName("par of " + HoleName(hole)));
        figures.intCaps[hole] =
            bits.Read(course.hcap[hole], CourseName("HCap of " + HoleName(hole)));
    }
    pars[kFrontTotal] = bits.Read(course.ParOut, CourseName("Out par"));
    pars[kBackTotal] = bits.Read(course.ParIn, CourseName("In par"));
    pars[kCoursePar] = bits.Sum({pars[kFrontTotal], pars[kBackTotal]}, CourseName("par"));
    figures.intStats[kFairwaysToHit] = bits.Read(course.TotalFWays, CourseName("F-Ways"));
}

// The par-type counts, sums and fairways of the holes played, and the par of
// a nine-hole round is that nine's: a nine cannot be measured against the
// course's 18. A fairway is to hit on a par-4 or par-5 hole, never more of
// them than the course counts.
void FillPlayedHoleFigures(const CourseCard& course, SixteenBits& bits, GameFigures& figures) {
    const PlayedHoles played = PlayedHolesOf(figures);
    zeviza::IntArray& stats = figures.intStats;
    if (!played.IsNine()) {
        // The course's own counts, as its record gives them.
        const std::string* counts[] = {&course.Par3s, &course.Par4s, &course.Par5s};
        for (int type = 0; type < 3; ++type) {
            stats[kPar3Count + type] =
                bits.Read(*counts[type], CourseName("Par " + std::to_string(type + 3) + "s"));
        }
        return;
    }
    zeviza::IntArray& pars = figures.intPars;
    pars[kCoursePar] = pars[played.first == 0 ? kFrontTotal : kBackTotal];
    int longHoles = 0;
    for (int hole = played.first; hole < played.end; ++hole) {
        const int par = pars[HoleSlot(hole)];
        if (par >= 3 && par <= 5) {
            ++stats[kPar3Count + par - 3];
        }
        longHoles += par == 4 || par == 5 ? 1 : 0;
    }
    stats[kFairwaysToHit] =
        static_cast<std::int16_t>(std::min<int>(stats[kFairwaysToHit], longHoles));
}

void FillParTypeScores(SixteenBits& bits, GameFigures& figures) {
    const PlayedHoles played = PlayedHolesOf(figures);
    zeviza::IntArray& stats = figures.intStats;
    for (int hole = played.first; hole < played.end; ++hole) {
        const int par = figures.intPars[HoleSlot(hole)];
        if (par >= 3 && par <= 5) {
            const int slot = kPar3Score + par - 3;
            stats[slot] = bits.Sum({stats[slot], figures.intScores[HoleSlot(hole)]},
                                   "Par " + std::to_string(par) + " score sum");
        }
    }
}

// The first twelve counts fill slots 0-11, the other twelve slots 13-24,
// around the fairways-missed sum in slot 12.
void FillDetailCounts(const GameEntry& entry, SixteenBits& bits, GameFigures& figures) {
    zeviza::IntArray& stats = figures.intStats;
    for (int detail = 0; detail < 24; ++detail) {
        stats[detail < 12 ? detail : detail + 1] =
            bits.Read(entry.detail[detail], kDetailNames[detail]);
    }
    stats[kFairwaysMissed] =
        bits.Sum({stats[kFairwaysMissedLeft], stats[kFairwaysMissedRight]}, "Fairways Missed");
    stats[kFairwaysMissedAgain] = stats[kFairwaysMissed];
    const int g = kGreensMissedLeft;
    stats[kGreensMissed] =
        bits.Sum({stats[g], stats[g + 1], stats[g + 2], stats[g + 3]}, "Greens Missed");
    const int p = kPuttsMissedLeft;
    stats[kPuttsMissed] =
        bits.Sum({stats[p], stats[p + 1], stats[p + 2], stats[p + 3]}, "Putts Missed");
}

// Per hole played, not per green reached.
void FillAverages(GameFigures& figures) {
    const double holes = figures.intHoles;
    figures.sngStrokeAvg = ToHundredths(figures.intScores[kNet] / holes);
    const int putts = figures.intStats[kTotalPutts];
    figures.sngPuttAvg = putts == 0 ? 0.0f : ToHundredths(putts / holes);
}

// Neither percentage is clamped. Fairways are those of the holes played.
void FillPercentages(SixteenBits& bits, GameFigures& figures) {
    const zeviza::IntArray& stats = figures.intStats;
    const int greensHit = bits.Sum({figures.intHoles, -stats[kGreensMissed]}, "Greens Hit");
    figures.sngGreensHit = Share(greensHit, figures.intHoles, 100.0);
    figures.sngFWaysHit = FairwaysHitPercent(stats[kFairwaysToHit], stats[kFairwaysMissedAgain]);
}

// Divided by the par-type counts of the holes played.
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
    figures.intHandicap = bits.Read(golfer.Handicap, "Handicap");
}

}  // namespace

float FairwaysHitPercent(int fairwaysToHit, int fairwaysMissed) {
    return Share(fairwaysToHit - fairwaysMissed, fairwaysToHit, 100.0);
}

std::variant<GameFigures, zeviza::Error> ComputeGameFigures(const GameEntry& entry,
                                                            const CourseCard& course,
                                                            const GolferChoice& golfer,
                                                            std::chrono::year_month_day gameDate) {
    SixteenBits bits;
    GameFigures figures;
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
    const GameFigures* f = std::get_if<GameFigures>(&computed);
    if (f == nullptr || f->intHoles != 9) {
        return std::nullopt;
    }
    zeviza::NineHoleFigures nine;
    nine.coursePar = f->intPars[kCoursePar];
    nine.fairwaysToHit = f->intStats[kFairwaysToHit];
    nine.fairwaysHit = f->sngFWaysHit;
    for (int type = 0; type < 3; ++type) {
        nine.parScores[type] = f->intStats[kPar3Score + type];
        nine.parCounts[type] = f->intStats[kPar3Count + type];
        nine.parAverages[type] = f->sngParAvg[type];
    }
    return nine;
}

std::optional<std::string> MakeNewGameID(const zeviza::RecordSet* newGameIdRows) {
    return zeviza::FormIdentifierFromRows(zeviza::kGameIdentifiers, newGameIdRows);
}

}  // namespace parlow::games
