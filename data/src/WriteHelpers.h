#pragma once
// What every write shares: how a text reaches the database, checked slots of
// the caller's fixed-layout arrays, the current date-time text, and
// statements assembled from (column, value) lists so that each value is bound
// and never spliced into SQL.
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "zeviza/Connection.h"
#include "zeviza/Putt.h"
#include "zeviza/Value.h"

namespace zeviza::detail {

// The number the caller's platform always gave a missing array slot.
inline constexpr long kSubscriptOutOfRange = 9;

// A write whose arrays are shorter than their layout fails before it has
// touched the caller's texts or the database.
template <class Array>
void RequireSlots(const Array& array, std::size_t count) {
    if (array.size() < count) {
        throw Error(kSubscriptOutOfRange, "Subscript out of range");
    }
}

// A figure that is no number (NaN, or a text like "1e39" read as infinity)
// would stay in the file for good and spread into every sum made from it.
void RequireFinite(std::initializer_list<float> figures, const std::string& whose);

// A row that points at a record not stored would never show on its lists.
void RequireStored(Connection& connection, std::string_view table, std::string_view keyColumn,
                   const std::string& key, const std::string& what);

// A record's text as the cleaned literal stores it: trimmed of blanks,
// without NULs; the record keeps its own text.
Value StoredText(const std::string& text);
// The same text without its NULs but not trimmed: the name a changed golfer
// or course gives its games has always gone in so.
Value UntrimmedText(const std::string& text);
// "YYYY-MM-DD HH:MM:SS" in local time, for AddDate and ModDate.
std::string NowText();

struct Column {
    std::string name;
    Value value;
};
using Columns = std::vector<Column>;

// INSERT INTO table (a,b,...) VALUES (?,?,...);
void Insert(Connection& connection, std::string_view table, const Columns& columns);
// UPDATE table SET a = ?,b = ?,... WHERE keyColumn = ?; returns the rows changed.
long long Update(Connection& connection, std::string_view table, const Columns& columns,
                 std::string_view keyColumn, const std::string& key);
// The same for the one row being edited: a row that is gone (removed from
// another window meanwhile) fails the write instead of reporting a save.
void UpdateExisting(Connection& connection, std::string_view table, const Columns& columns,
                    std::string_view keyColumn, const std::string& key);
// DELETE FROM table WHERE keyColumn = ?;
void Delete(Connection& connection, std::string_view table, std::string_view keyColumn,
            const std::string& key);

// True when no record was shown, or when the stored row of `table` whose
// keyColumn equals key still holds every value of `shown`; otherwise marks
// shown->changed. table and keyColumn are the library's own names.
bool StillAsShown(Connection& connection, std::string_view table, std::string_view keyColumn,
                  const std::string& key, ShownRecord* shown);
// What a write's source does once its record passed the checks, if anything.
inline void Checked(const std::function<void()>& checked) {
    if (checked) {
        checked();
    }
}

// A write handed a record starts out not knowing it changed.
inline void ForgetChange(ShownRecord* shown) {
    if (shown != nullptr) {
        shown->changed = false;
    }
}

// An OK box with the critical icon and the library's title.
void ShowLibraryMessage(const std::string& text);

}  // namespace zeviza::detail
