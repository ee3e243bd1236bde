#pragma once
// A detached result table, read row by row. It keeps its rows after the
// connection that produced it is closed.
#include <memory>
#include <string>
#include <vector>

#include "zeviza/Value.h"

namespace zeviza {

class RecordSet {
  public:
    RecordSet(std::vector<std::string> columns, std::vector<std::vector<Value>> rows);

    // Both flags set at once means the set holds no rows.
    bool Eof() const { return !open_ || row_ >= rows_.size(); }
    bool Bof() const { return !open_ || rows_.empty(); }
    bool IsEmpty() const { return Eof() && Bof(); }

    void MoveFirst();
    void MoveNext();

    // Column names match without regard to case; an unknown name or a read
    // past the last row throws zeviza::Error.
    const Value& Field(const std::string& column) const;
    const Value& Field(std::size_t index) const;
    bool HasColumn(const std::string& column) const;

    // The index Field(column) reads; throws zeviza::Error for an unknown name.
    std::size_t ColumnIndex(const std::string& column) const { return IndexOf(column); }

    std::size_t RecordCount() const { return rows_.size(); }
    // Every row at once, whatever the cursor: for readers that keep or
    // regroup a whole result without copying it row by row.
    const std::vector<std::vector<Value>>& Rows() const { return rows_; }
    std::vector<std::vector<Value>> TakeRows() && { return std::move(rows_); }
    const std::vector<std::string>& Columns() const { return columns_; }

    bool IsOpen() const { return open_; }
    void Close();
    // Detaching only ends the tie to the connection; the rows stay.
    void Detach() { detached_ = true; }
    bool IsDetached() const { return detached_; }

  private:
    std::size_t IndexOf(const std::string& column) const;

    std::vector<std::string> columns_;
    std::vector<std::vector<Value>> rows_;
    std::size_t row_ = 0;
    bool open_ = true;
    bool detached_ = false;
};

using RecordSetPtr = std::unique_ptr<RecordSet>;

}  // namespace zeviza
