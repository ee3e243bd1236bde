#pragma once
// The golfer writes in their array form, filled slot by slot as callers
// written against the arrays fill them. The layout is spelt out here on its
// own, not taken from the library, so the adapter tests check it
// independently.
#include <string>

#include "zeviza/Putt.h"

namespace golfer_arrays {

using zeviza::TextArray;

// strText as the golfer entry screen filled it (0 to 22, 0 to 21 used): the
// golfer of writes_support::GolferRecordOf.
inline TextArray GolferText(const std::string& golferID, const std::string& first,
                            const std::string& last) {
    TextArray text(23);
    text[0] = first;
    text[2] = last;
    text[3] = "1 Main St";
    text[4] = "Springfield";
    text[5] = "IL";
    text[10] = "Home Links";
    text[18] = golferID;
    text[19] = first + " " + last;
    text[20] = "Male";
    text[21] = "Adult Male";
    return text;
}

// strText as the golfer edit screen filled it (0 to 21, 0 to 20 used): the
// golfer of writes_support::GolferEdit.
inline TextArray GolferEditText(const std::string& first, const std::string& last,
                                const std::string& category = "Adult Male") {
    TextArray text(22);
    text[0] = first;
    text[2] = last;
    text[5] = "IL";
    text[18] = first + " " + last;
    text[19] = "Male";
    text[20] = category;
    return text;
}

}  // namespace golfer_arrays
