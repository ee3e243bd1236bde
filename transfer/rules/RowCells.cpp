#include "transfer/rules/RowCells.h"

namespace parlow::transfer {

namespace {

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

ColumnCells::ColumnCells(const csv::Table& table) : table_(table) {
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        // A repeated column name reads as its first.
        index_.emplace(Trimmed(table.header[i]), i);
    }
}

std::string ColumnCells::Cell(std::size_t row, std::string_view column) const {
    const auto found = index_.find(column);
    if (found == index_.end() || row >= table_.rows.size()) {
        return {};
    }
    const std::vector<std::string>& cells = table_.rows[row];
    return found->second < cells.size() ? Trimmed(cells[found->second]) : std::string();
}

std::string ColumnCells::Missing(const std::vector<std::string>& required) const {
    for (const std::string& column : required) {
        if (!Has(column)) {
            return column;
        }
    }
    return {};
}

}  // namespace parlow::transfer
