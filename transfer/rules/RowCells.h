#pragma once
// A CSV table read by the header's column names, each cell trimmed of the
// blanks around it as the screens trim their fields.
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "csv/CsvReader.h"

namespace parlow::transfer {

class ColumnCells {
  public:
    explicit ColumnCells(const csv::Table& table);
    // Empty for a column the file does not have, or past the end of a short row.
    std::string Cell(std::size_t row, std::string_view column) const;
    bool Has(std::string_view column) const { return index_.count(column) != 0; }
    // The first of `required` the header lacks, or empty.
    std::string Missing(const std::vector<std::string>& required) const;

  private:
    const csv::Table& table_;
    std::map<std::string, std::size_t, std::less<>> index_;
};

}  // namespace parlow::transfer
