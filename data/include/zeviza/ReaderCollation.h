#pragma once
// The order people read names in: case set aside and accented letters beside
// their base letters ("abc", "Bob", "Émile", "smith", "Zoë"), by the user's
// own collation rules. Registered on every connection of the library under
// kReaderOrder for the reads' ORDER BY; nothing stored depends on it.
// Another reader of the database with a connection of its own (the reports)
// registers it there too, so its lists read in the same order.
struct sqlite3;

namespace zeviza {

inline constexpr const char* kReaderOrder = "READER";

// Throws zeviza::Error when SQLite refuses the collation.
void RegisterReaderOrder(sqlite3* handle);

}  // namespace zeviza
