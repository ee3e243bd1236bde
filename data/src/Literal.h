#pragma once
// Writes bind every value as a parameter. A text that the statements were
// described as splicing between apostrophes after Clean must still be stored
// as that literal would store it: each doubled apostrophe single again.
#include <string>

namespace zeviza::detail {

inline std::string LiteralValue(const std::string& escaped) {
    std::string out;
    out.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        out += escaped[i];
        if (escaped[i] == '\'' && i + 1 < escaped.size() && escaped[i + 1] == '\'') {
            ++i;
        }
    }
    return out;
}

}  // namespace zeviza::detail
