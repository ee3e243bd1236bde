#pragma once
// What the game removal screen hands to DeleteGame, built from the one row of
// its game list that it shows: the game, its golfer and its length always of
// the same game. The figures taken back out are those the stored row holds.
#include <array>
#include <string>
#include <vector>

#include "zeviza/GameRecord.h"

namespace parlow::games {

// The columns of LoadDeleteGame in the order of the game list's columns.
inline constexpr int kGameListColumnCount = 47;
extern const std::array<const char*, kGameListColumnCount> kGameListFields;

enum GameListColumn : int {
    kGameIdColumn = 0,
    kGolferNameColumn = 1,
    kClubColumn = 2,
    kTeesColumn = 3,
    kDateColumn = 4,
    kGrossColumn = 5,
    kNetColumn = 6,
    kGolferIdColumn = 7,
    kHolesColumn = 8,
    kFirstCountColumn = 9,  // Aces; the 38 counts and totals follow
};

// The length reads like a round's field: no number (or one beyond 16 bits)
// gives 0. Missing cells count as empty.
zeviza::GameRemoval MakeGameRemoval(const std::vector<std::string>& row);

}  // namespace parlow::games
