#pragma once
// The one form a date-time takes in the database: "YYYY-MM-DD HH:MM:SS".
#include <string_view>

namespace zeviza::detail {

// True for a real calendar date and time of day in exactly that form
// (2024-02-29 is one, 2023-02-29 and 24:00:00 are not).
bool IsDateTimeText(std::string_view text);

}  // namespace zeviza::detail
