#pragma once
// The report data environment: one connection of its own to the program
// folder's green/parlow.plg, opened read-only by the first command and
// released with the environment, and the nine report commands. Each command
// keeps its last result open until it runs again (the old result is closed
// first) or the environment is released.
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "reports/ReportData.h"
#include "reports/data/ReportCommands.h"

namespace SQLite {
class Database;
}

namespace parlow::reports {

class DataReport {
  public:
    explicit DataReport(std::filesystem::path programFolder);
    ~DataReport();
    DataReport(const DataReport&) = delete;
    DataReport& operator=(const DataReport&) = delete;

    // Closes the command's last result, then runs it with its parameter
    // values in order, each bound as text. Throws zeviza::Error for an
    // unknown command or a wrong number of values (nothing runs) and for a
    // database that cannot be read.
    std::shared_ptr<const ReportData> Run(const std::string& command,
                                          const std::vector<std::string>& values);

    // The command's last result ("rs" + command name), or nullptr before its
    // first run. A closed result stays readable as closed.
    std::shared_ptr<const ReportData> Result(const std::string& command) const;
    bool IsOpen(const std::string& command) const;
    void Close(const std::string& command);

    // Whether the golfer, course or game the values name is stored.
    bool RecordExists(const std::string& command, const std::vector<std::string>& values);

    bool IsConnected() const { return db_ != nullptr; }
    // Closes every result, then the connection.
    void Release();

  private:
    SQLite::Database& Connection();
    const ReportCommand& Checked(const std::string& command,
                                 const std::vector<std::string>& values) const;
    zeviza::RecordSet Query(const std::string& sql, const std::vector<std::string>& values);

    std::filesystem::path folder_;
    std::unique_ptr<SQLite::Database> db_;
    std::map<std::string, std::shared_ptr<ReportData>> results_;
};

// Two-level result: one parent row per distinct value of the `groupBy`
// columns, in the order they first appear, each holding its rows.
ReportData GroupRows(zeviza::RecordSet rows, const std::vector<std::string>& groupBy);

}  // namespace parlow::reports
