#include "zeviza/ShownRecord.h"

namespace zeviza {

void ShownRecord::Add(std::string column, std::string text) {
    values.emplace_back(std::move(column), std::move(text));
}

ShownRecord ShownRecord::Of(const RecordSet& row) {
    ShownRecord shown;
    for (std::size_t column = 0; column < row.Columns().size(); ++column) {
        shown.Add(row.Columns()[column], row.Field(column).ToText());
    }
    return shown;
}

}  // namespace zeviza
