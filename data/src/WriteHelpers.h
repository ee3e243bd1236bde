#pragma once
// What every write shares: how a text reaches the database, checked slots of
// the caller's fixed-layout arrays, the current date-time text, and
// statements assembled from (column, value) lists so that each value is bound
// and never spliced into SQL.
#include <cstddef>
#include <initializer_list>
#include <set>
#include <span>
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

// A text written "cleaned": the caller's element keeps Clean's in/out form
// (apostrophes doubled, NULs gone) and the stored value is what the quoted
// literal would have stored (trimmed, apostrophes single).
Value CleanedText(Putt& putt, std::string& text);
// A record's text as the cleaned literal stores it: trimmed of blanks,
// without NULs; the record keeps its own text.
Value StoredText(const std::string& text);
// The same text without its NULs but not trimmed: what the statements that
// reused a cleaned element stored.
Value UntrimmedText(const std::string& text);
// An element a previous statement of the same write has already cleaned; it
// is not trimmed again.
Value ReusedText(const std::string& cleanedElement);
// "YYYY-MM-DD HH:MM:SS" in local time, for AddDate and ModDate.
std::string NowText();

struct Column {
    std::string name;
    Value value;
};
using Columns = std::vector<Column>;

// One column per text slot, in slot order: each slot cleaned, except those
// listed in asIs, which are stored unchanged.
Columns TextColumns(Putt& putt, TextArray& strText, std::span<const char* const> names,
                    const std::set<std::size_t>& asIs);

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
// A write handed a record starts out not knowing it changed.
inline void ForgetChange(ShownRecord* shown) {
    if (shown != nullptr) {
        shown->changed = false;
    }
}

// An OK box with the critical icon and the library's title.
void ShowLibraryMessage(const std::string& text);

}  // namespace zeviza::detail
