#include "reports/engine/BoundData.h"

#include <algorithm>
#include <cctype>

namespace parlow::reports {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

Table::Table(const zeviza::RecordSet& records) : columns_(records.Columns()) {
    if (records.IsOpen()) {
        rows_ = records.Rows();  // the caller's cursor stays where it was
    }
}

int Table::ColumnIndex(const std::string& column) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (SameName(columns_[i], column)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const zeviza::Value& Table::At(std::size_t row, int column) const {
    static const zeviza::Value null;
    if (column < 0 || row >= rows_.size()) {
        return null;
    }
    const auto& values = rows_[row];
    return static_cast<std::size_t>(column) < values.size() ? values[column] : null;
}

BoundData::BoundData(const ReportData& data) : grouped_(data.IsGrouped()) {
    if (!grouped_) {
        groups_.push_back({false, 0, Table(data.rows)});
        return;
    }
    parents_ = Table(data.rows);
    // A parent row without its child set has no detail lines.
    for (std::size_t p = 0; p < parents_.RowCount(); ++p) {
        groups_.push_back({true, p, p < data.children.size() ? Table(data.children[p]) : Table()});
    }
}

std::size_t BoundData::DetailCount() const {
    std::size_t count = 0;
    for (const Group& group : groups_) {
        count += group.details.RowCount();
    }
    return count;
}

}  // namespace parlow::reports
