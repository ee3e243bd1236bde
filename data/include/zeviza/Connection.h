#pragma once
// The database connection of a Putt: configured once, opened and closed by
// every call. Values are always bound as parameters, never spliced into SQL.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zeviza/Error.h"
#include "zeviza/RecordSet.h"
#include "zeviza/Value.h"

struct sqlite3_stmt;

namespace SQLite {
class Database;
}  // namespace SQLite

namespace zeviza {

namespace detail {
// The file a handle was opened on, to know it again at the next open.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Statements prepared on one handle, by their text.
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const;
};
using PreparedStatements = std::map<std::string, std::unique_ptr<sqlite3_stmt, FinalizeStatement>>;
}  // namespace detail

class Connection {
  public:
    // The string is kept as given; later changes to Putt::strConnect do not
    // reach an existing connection.
    explicit Connection(std::string connectString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& ConnectionString() const { return connectString_; }
    std::string DataSource() const;

    // Opens the existing file only: a missing database is never created.
    void Open();
    bool IsOpen() const { return db_ != nullptr; }
    void Close();

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();  // throws kNoTransaction when none is open
    bool InTransaction() const { return inTransaction_; }

    // Runs one statement. A statement that returns columns yields its rows;
    // any other yields an empty, open record set.
    RecordSetPtr Execute(const std::string& sql, const std::vector<Value>& params = {});
    // Runs one statement and returns the number of rows it changed.
    long long ExecuteChanges(const std::string& sql, const std::vector<Value>& params = {});
    // Runs one statement and hands each row to `row` as it is stepped, never
    // holding more than that row: every column as the engine's text (numbers
    // written with a point, NULL as the empty text). The views last for the
    // call of `row` only.
    using RowTexts = std::vector<std::string_view>;
    void ExecuteEach(const std::string& sql, const std::vector<Value>& params,
                     const std::function<void(const RowTexts&)>& row);

    std::vector<Error>& Errors() { return errors_; }
    void ClearErrors() { errors_.clear(); }
    void SetClientSideCursor() { clientSide_ = true; }
    bool ClientSideCursor() const { return clientSide_; }

  private:
    [[noreturn]] void Fail(long number, const std::string& description);
    [[noreturn]] void FailFromEngine(const std::exception& e);
    SQLite::Database& Db();
    // The statement for `sql`, prepared once while the file is open: a unit
    // of work storing thousands of rows runs the same few statements.
    sqlite3_stmt* Prepared(const std::string& sql);
    RecordSetPtr Run(const std::string& sql, const std::vector<Value>& params);

    std::string connectString_;
    std::unique_ptr<SQLite::Database> db_;
    // Finalized before the handle is closed, so declared after it; kept
    // with the handle while it waits for the next call.
    detail::PreparedStatements statements_;
    bool inTransaction_ = false;
    bool configured_ = false;                       // durability and collation set on this handle
    std::optional<detail::FileIdentity> openedOn_;  // writable when it opened
    bool clientSide_ = false;
    std::vector<Error> errors_;
};

}  // namespace zeviza
