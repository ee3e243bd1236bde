#include "zeviza/Identifiers.h"

namespace zeviza {

std::string FormIdentifier(char prefix, int factor, const Value& largestRowNumber) {
    const std::int64_t largest = largestRowNumber.IsNull() ? 0 : largestRowNumber.ToInt();
    const std::int64_t next = largest == 0 ? 1 : largest + 1;
    return std::string(1, prefix) + std::to_string(next * factor);
}

}  // namespace zeviza
