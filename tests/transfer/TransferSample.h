#pragma once
// A log to export and import: golfers whose texts hold what CSV must quote,
// courses from the write builders, and rounds stored as the game entry
// screen stores them (its rules work the figures out, AddGame writes them).
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "csv/CsvReader.h"
#include "tests/support/ProgramFolder.h"
#include "zeviza/Putt.h"

namespace transfer_test {

// The day the checks take for today: every sample round lies before it.
inline constexpr std::chrono::year_month_day kToday{std::chrono::year(2030) / 1 / 1};

// D2 "Ann "Birdie" O'Lee" and D4 "Émile, Zoë": names, addresses and notes
// with quotes, commas, line breaks and accents, postal codes and phone
// numbers with leading zeros.
void StoreGolfers(zeviza::Putt& putt);
// C2 and C4, standard and short pars.
void StoreCourses(zeviza::Putt& putt);
// An 18-hole round, or a nine (front or back), scored `over` par per hole
// from hole `from` on, through the game entry rules and AddGame.
bool StoreRound(zeviza::Putt& putt, const std::string& golferID, const std::string& clubID,
                const std::string& date, int holes, bool backNine = false, int over = 1);
// Golfers, courses and 18- and 9-hole rounds of both golfers.
void StoreSampleLog(zeviza::Putt& putt);

// Adds every golfer of a golfers export through AddGolfer.
void StoreGolfersFrom(zeviza::Putt& putt, const csv::Table& golfers);

csv::Table Parsed(const std::string& text);
std::string Exported(zeviza::Putt& putt, zeviza::Putt::ExportKind kind);

// A games file of `rows` good rounds of D2 on C2 (no identifiers given), one
// line each, with the export's header.
std::string GoodGamesFile(zeviza::Putt& source, int rows);

}  // namespace transfer_test
