#include "zeviza/Identifiers.h"

namespace zeviza {

std::string FormIdentifier(const IdentifierRule& rule, const Value& largestRowNumber) {
    const std::int64_t largest = largestRowNumber.IsNull() ? 0 : largestRowNumber.ToInt();
    const std::int64_t next = largest == 0 ? 1 : largest + 1;
    return std::string(1, rule.prefix) + std::to_string(next * rule.factor);
}

std::optional<std::string> FormIdentifierFromRows(const IdentifierRule& rule,
                                                  const RecordSet* rows) {
    if (rows == nullptr || rows->Eof() || !rows->HasColumn(rule.column)) {
        return std::nullopt;
    }
    return FormIdentifier(rule, rows->Field(rule.column));
}

}  // namespace zeviza
