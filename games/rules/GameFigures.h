#pragma once
// Every figure of a round, worked out into the record AddGame takes.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "games/rules/GameEntry.h"
#include "zeviza/Error.h"
#include "zeviza/GameRecord.h"
#include "zeviza/Putt.h"
#include "zeviza/RecordSet.h"

namespace parlow::games {

// Everything but the game's identifier, or the overflow failure when a value
// or a sum leaves 16 bits (number kOverflowNumber). The play date is at
// midnight, "YYYY-MM-DD 00:00:00".
std::variant<zeviza::GameRecord, zeviza::Error> ComputeGameFigures(
    const GameEntry& entry, const CourseCard& course, const GolferChoice& golfer,
    std::chrono::year_month_day gameDate);

// Fairways hit in percent of those to hit; 0 when none were hit or there
// were none to hit. Not clamped.
float FairwaysHitPercent(int fairwaysToHit, int fairwaysMissed);

// A stored nine-hole game's par-type figures, fairways and par worked out
// again from its stored holes, pars and fairway count by the rules a new
// round follows. Empty for a row that is not a nine-hole game.
std::optional<zeviza::NineHoleFigures> RefigureNineHoleGame(const zeviza::RecordSet& gameRow);

// From the current row of what GetNewGameID returned. Empty when there is no
// such row (the read failed and has said so): the save cannot go on.
std::optional<std::string> MakeNewGameID(const zeviza::RecordSet* newGameIdRows);

}  // namespace parlow::games
