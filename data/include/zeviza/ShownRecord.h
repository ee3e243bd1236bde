#pragma once
// What a screen showed of one stored record: column names and the texts it
// read for them (Value::ToText of a read's row). Handed to a change or a
// removal, it lets the write go ahead only while the stored row, read again
// inside the write's own transaction, still holds every one of those texts.
// Identifiers are given out again once the newest records are removed, so
// an identifier alone can name a record the screen never showed.
#include <string>
#include <utility>
#include <vector>

#include "zeviza/RecordSet.h"

namespace zeviza {

struct ShownRecord {
    std::vector<std::pair<std::string, std::string>> values;  // column, text
    // Set by the write it was handed to: the stored record was gone or no
    // longer held these values, so nothing was written, asked or shown.
    bool changed = false;

    void Add(std::string column, std::string text);
    // Every column of the record set's current row.
    static ShownRecord Of(const RecordSet& row);
};

}  // namespace zeviza
