#include "src/HandicapReadsSql.h"
#include "zeviza/Putt.h"

// The reads the handicap record is worked from. Both only read, and both
// report nothing themselves: a caller that gets no rows shows its own text.

namespace zeviza {

namespace {

const char* const kLoadHandicapCourses =
    "SELECT ClubID,ClubName,Tees,Rating,Slope,CoursePar FROM tblClub "
    "ORDER BY ClubName COLLATE READER, Tees, ClubID;";

}  // namespace

RecordSetPtr Putt::LoadHandicapRounds(const std::string& strGolferID) {
    return ReadPropagating(detail::kLoadHandicapRounds, {strGolferID});
}

RecordSetPtr Putt::LoadHandicapCourses() {
    return ReadPropagating(kLoadHandicapCourses, {});
}

}  // namespace zeviza
