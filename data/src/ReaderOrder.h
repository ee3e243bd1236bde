#pragma once
// The order people read names in: case set aside and accented letters beside
// their base letters ("abc", "Bob", "Émile", "smith", "Zoë"), by the user's
// own collation rules. Registered on every connection under kReaderOrder for
// the reads' ORDER BY; nothing stored depends on it.
struct sqlite3;

namespace zeviza::detail {

inline constexpr const char* kReaderOrder = "READER";

// Throws zeviza::Error when SQLite refuses the collation.
void RegisterReaderOrder(sqlite3* handle);

}  // namespace zeviza::detail
