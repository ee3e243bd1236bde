#include "games/rules/GameRemoval.h"

#include "games/rules/GameNumbers.h"

namespace parlow::games {

const std::array<const char*, kGameListColumnCount> kGameListFields = {
    "GameID",     "FullName",       "Club",         "Tees",          "PlayDate",   "GrossScore",
    "NetScore",   "GolferID",       "Holes",        "Aces",          "DEagles",    "Eagles",
    "Birds",      "Pars",           "Bogies",       "DBogies",       "TBogies",    "QBogies",
    "Others",     "FWaysLeft",      "FWaysRight",   "FWaysMissed",   "PuttsLeft",  "PuttsRight",
    "PuttsLong",  "PuttsShort",     "PuttsMissed",  "TotalPutts",    "GreensLeft", "GreensRight",
    "GreensLong", "GreensShort",    "GreensMissed", "SandSaves",     "UpDowns",    "Holes9",
    "Holes18",    "TotalGross",     "TotalNet",     "TotalGross9",   "TotalNet9",  "TotalGross18",
    "TotalNet18", "GrossStrokes18", "NetStrokes18", "GrossStrokes9", "NetStrokes9"};

namespace {

std::string Cell(const std::vector<std::string>& row, int column) {
    return column < static_cast<int>(row.size()) ? row[column] : std::string();
}

}  // namespace

zeviza::GameRemoval MakeGameRemoval(const std::vector<std::string>& row) {
    return {Cell(row, kGameIdColumn), Cell(row, kGolferIdColumn),
            FieldInteger(Cell(row, kHolesColumn)).value_or(0)};
}

}  // namespace parlow::games
