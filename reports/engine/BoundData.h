#pragma once
// The report's own copy of its rows, read once out of the record sets so that
// any page can be drawn in any order. A plain result is one group without a
// parent row; a grouped result is one group per parent row.
#include <string>
#include <vector>

#include "reports/ReportData.h"
#include "zeviza/Value.h"

namespace parlow::reports {

class Table {
  public:
    Table() = default;
    explicit Table(const zeviza::RecordSet& records);

    // -1 when the table has no such column; names match without regard to case.
    int ColumnIndex(const std::string& column) const;
    std::size_t RowCount() const { return rows_.size(); }
    // Null for an unknown column.
    const zeviza::Value& At(std::size_t row, int column) const;

  private:
    std::vector<std::string> columns_;
    std::vector<std::vector<zeviza::Value>> rows_;
};

struct Group {
    bool hasParent = false;
    std::size_t parentRow = 0;
    Table details;
};

class BoundData {
  public:
    explicit BoundData(const ReportData& data);

    bool IsGrouped() const { return grouped_; }
    const Table& Parents() const { return parents_; }
    const std::vector<Group>& Groups() const { return groups_; }
    std::size_t DetailCount() const;

  private:
    bool grouped_ = false;
    Table parents_;
    std::vector<Group> groups_;
};

}  // namespace parlow::reports
