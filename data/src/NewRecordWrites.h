#pragma once
// A new course and a new game as AddClub and AddGame store them, inside a
// unit of work the caller runs: the import writes store many through the
// same statements the single writes use.
#include "zeviza/Connection.h"
#include "zeviza/Putt.h"

namespace zeviza::detail {

// The course row exactly as AddClub writes it.
void InsertClub(Putt& putt, Connection& connection, TextArray& strText, IntArray& intNumbers,
                IntArray& intCaps, IntArray& intStats, float sngRating);

// The game row exactly as AddGame writes it, with its share added to its
// golfer's running sums; the golfer's averages are left to the caller.
void InsertGame(Putt& putt, Connection& connection, Putt::GameWrite& game);

}  // namespace zeviza::detail
