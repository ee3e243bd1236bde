#include "handicap/RecordReader.h"

#include "handicap/Decimal.h"

namespace handicap {

namespace {

// Column positions of LoadHandicapRounds, read by position: ten thousand rows
// looked up by name would cost more than the rules themselves.
enum RoundColumn : std::size_t {
    kGameId,
    kPlayDate,
    kClubId,
    kClub,
    kTees,
    kHoles,
    kScoreOut,
    kScoreIn,
    kScore1,
    kPar1 = kScore1 + 18,
    kHCap1 = kPar1 + 18,
    kRating = kHCap1 + 18,
    kSlope,
};

int Int(const zeviza::RecordSet& rows, std::size_t column) {
    return static_cast<int>(rows.Field(column).ToInt());
}

Round RoundAt(const zeviza::RecordSet& rows) {
    Round round;
    round.gameId = rows.Field(kGameId).ToText();
    round.playDate = rows.Field(kPlayDate).ToText();
    round.clubId = rows.Field(kClubId).ToText();
    round.club = rows.Field(kClub).ToText();
    round.tees = rows.Field(kTees).ToText();
    round.holes = Int(rows, kHoles);
    round.scoreOut = Int(rows, kScoreOut);
    round.scoreIn = Int(rows, kScoreIn);
    for (std::size_t hole = 0; hole < 18; ++hole) {
        round.scores[hole] = Int(rows, kScore1 + hole);
        round.pars[hole] = Int(rows, kPar1 + hole);
        round.allocations[hole] = Int(rows, kHCap1 + hole);
    }
    round.rating10 = TenthsOf(rows.Field(kRating).ToDouble());
    round.slope = Int(rows, kSlope);
    return round;
}

}  // namespace

std::vector<Round> ReadRounds(zeviza::Putt& putt, const std::string& golferId) {
    std::vector<Round> rounds;
    zeviza::RecordSetPtr rows = putt.LoadHandicapRounds(golferId);
    if (!rows || rows->IsEmpty()) {
        return rounds;
    }
    rounds.reserve(rows->RecordCount());
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) {
        rounds.push_back(RoundAt(*rows));
    }
    return rounds;
}

std::vector<CourseRecord> ReadCourses(zeviza::Putt& putt) {
    std::vector<CourseRecord> courses;
    zeviza::RecordSetPtr rows = putt.LoadHandicapCourses();
    if (!rows || rows->IsEmpty()) {
        return courses;
    }
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) {
        courses.push_back({rows->Field("ClubID").ToText(), rows->Field("ClubName").ToText(),
                           rows->Field("Tees").ToText(), TenthsOf(rows->Field("Rating").ToDouble()),
                           static_cast<int>(rows->Field("Slope").ToInt()),
                           static_cast<int>(rows->Field("CoursePar").ToInt())});
    }
    return courses;
}

ScoringRecord LoadScoringRecord(zeviza::Putt& putt, const std::string& golferId) {
    return BuildScoringRecord(ReadRounds(putt, golferId));
}

}  // namespace handicap
