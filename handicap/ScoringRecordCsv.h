#pragma once
// The scoring record as CSV: one row per recorded game in play order.
#include <string>

#include "handicap/ScoringRecord.h"

namespace handicap {

// Header GameID,PlayDate,ClubID,Holes,Gross,AdjustedGross,Differential,
// Counts,IndexAfter. A waiting nine has an empty differential; the second
// nine of a pair carries the combined one. Plus figures are negative numbers.
std::string ScoringRecordCsv(const ScoringRecord& record);

}  // namespace handicap
