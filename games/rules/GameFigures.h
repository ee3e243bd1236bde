#pragma once
// Every figure of a round, laid out as AddGame takes its arguments.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "games/rules/GameEntry.h"
#include "zeviza/Error.h"
#include "zeviza/Putt.h"
#include "zeviza/RecordSet.h"

namespace parlow::games {

// Fresh for every save. Slots past the last one used (intScores 25, intPars
// 21, intCaps 18, intStats 35, strPartners 3, sngParAvg 3) stay 0 or empty.
struct GameFigures {
    zeviza::IntArray intScores = zeviza::IntArray(26);
    zeviza::IntArray intPars = zeviza::IntArray(22);
    zeviza::IntArray intCaps = zeviza::IntArray(19);
    std::string datDate;  // the play date at midnight, "YYYY-MM-DD 00:00:00"
    std::string strGolfer;
    std::string strClub;
    std::string strGameID;
    zeviza::IntArray intStats = zeviza::IntArray(36);
    std::string strTees;
    std::string strClubID;
    std::string strGolferID;
    std::int16_t intHoles = 0;
    float sngStrokeAvg = 0.0f;
    float sngPuttAvg = 0.0f;
    zeviza::TextArray strPartners = zeviza::TextArray(4);
    std::string strCategory;
    std::int16_t intHandicap = 0;
    float sngGreensHit = 0.0f;
    float sngFWaysHit = 0.0f;
    zeviza::SingleArray sngParAvg = zeviza::SingleArray(4);
};

// Everything but strGameID, or the overflow failure when a value or a sum
// leaves 16 bits (number kOverflowNumber).
std::variant<GameFigures, zeviza::Error> ComputeGameFigures(const GameEntry& entry,
                                                            const CourseCard& course,
                                                            const GolferChoice& golfer,
                                                            std::chrono::year_month_day gameDate);

// From the current row of what GetNewGameID returned. Empty when there is no
// such row (the read failed and has said so): the save cannot go on.
std::optional<std::string> MakeNewGameID(const zeviza::RecordSet* newGameIdRows);

}  // namespace parlow::games
