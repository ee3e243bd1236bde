#pragma once
// Report data as the nine report commands hand it over: the same columns
// (computed ones included), filled with known records. Tests, the sample
// sheets and the benchmark bind the layouts to these.
#include <string>

#include "reports/ReportData.h"

namespace report_samples {

using parlow::reports::ReportData;

ReportData GameStats();       // game G12, 18 holes, played 3 May 2024
ReportData ClubStats();       // course C3: slope 113, rating 72
ReportData ScoreCard();       // the same course
ReportData Games18History();  // three games at two courses
ReportData Games9History();   // three 9-hole games at two courses
ReportData Stats18();         // handicap 12.6, 1234 net strokes in 14 games
ReportData Stats9();          // putting average 495 / (30 * 9) = 1.8333...
ReportData Score18Stats();
ReportData Score9Stats();

// An 18-hole history of `games` games, net scores 70 + (n % 30).
ReportData LongHistory(int games);

// The sample data of the layout's command.
ReportData ForLayout(const std::string& layout);

}  // namespace report_samples
