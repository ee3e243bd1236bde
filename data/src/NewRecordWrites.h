#pragma once
// A new course and a new game as AddClub and AddGame store them, inside a
// unit of work the caller runs: the import writes store many through the
// same statements the single writes use.
#include "zeviza/Connection.h"
#include "zeviza/CourseRecord.h"
#include "zeviza/GameRecord.h"

namespace zeviza::detail {

// The course row exactly as AddClub writes it.
void InsertClub(Connection& connection, const CourseRecord& course);

// The game row exactly as AddGame writes it, with its share added to its
// golfer's running sums; the golfer's averages are left to the caller.
void InsertGame(Connection& connection, const GameRecord& game);

}  // namespace zeviza::detail
