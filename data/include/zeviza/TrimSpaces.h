#pragma once
// Leading and trailing blanks removed, and blanks only: tabs and line breaks
// inside a field are the user's own.
#include <string>

namespace zeviza {

inline std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace zeviza
