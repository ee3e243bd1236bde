#include "zeviza/RecordSet.h"

#include <algorithm>
#include <cctype>

#include "zeviza/Error.h"

namespace zeviza {

namespace {
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}
}  // namespace

RecordSet::RecordSet(std::vector<std::string> columns, std::vector<std::vector<Value>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

void RecordSet::MoveFirst() {
    if (!open_) {
        throw Error(kObjectClosed, "Operation is not allowed when the object is closed.");
    }
    row_ = 0;
}

void RecordSet::MoveNext() {
    if (Eof()) {
        throw Error(kNoCurrentRecord,
                    "Either BOF or EOF is True, or the current record has been deleted.");
    }
    ++row_;
}

std::size_t RecordSet::IndexOf(const std::string& column) const {
    // The first of two equal names wins, as readers of a repeated column expect.
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (SameName(columns_[i], column)) {
            return i;
        }
    }
    throw Error(kItemNotFound,
                "Item cannot be found in the collection corresponding to the requested name "
                "or ordinal.");
}

bool RecordSet::HasColumn(const std::string& column) const {
    return std::any_of(columns_.begin(), columns_.end(),
                       [&](const std::string& c) { return SameName(c, column); });
}

const Value& RecordSet::Field(const std::string& column) const {
    return Field(IndexOf(column));
}

const Value& RecordSet::Field(std::size_t index) const {
    if (Eof()) {
        throw Error(kNoCurrentRecord,
                    "Either BOF or EOF is True, or the current record has been deleted.");
    }
    if (index >= columns_.size()) {
        throw Error(kItemNotFound,
                    "Item cannot be found in the collection corresponding to the requested name "
                    "or ordinal.");
    }
    return rows_[row_][index];
}

void RecordSet::Close() {
    if (!open_) {
        throw Error(kObjectClosed, "Operation is not allowed when the object is closed.");
    }
    open_ = false;
}

}  // namespace zeviza
