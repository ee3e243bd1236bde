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

constexpr int kNetSlot = 38;
constexpr int kGrossSlot = 39;
constexpr int kCountSlots = kGameListColumnCount - kFirstCountColumn;  // 38

std::string Cell(const std::vector<std::string>& row, int column) {
    return column < static_cast<int>(row.size()) ? row[column] : std::string();
}

std::int16_t Number(const std::vector<std::string>& row, int column) {
    return FieldInteger(Cell(row, column)).value_or(0);
}

}  // namespace

RemovalArguments MakeRemovalArguments(const std::vector<std::string>& row) {
    RemovalArguments arguments;
    arguments.strGameID = Cell(row, kGameIdColumn);
    arguments.strGolferID = Cell(row, kGolferIdColumn);
    arguments.intHoles = Number(row, kHolesColumn);
    for (int slot = 0; slot < kCountSlots; ++slot) {
        arguments.intStats[slot] = Number(row, kFirstCountColumn + slot);
    }
    arguments.intStats[kNetSlot] = Number(row, kNetColumn);
    arguments.intStats[kGrossSlot] = Number(row, kGrossColumn);
    return arguments;
}

}  // namespace parlow::games
