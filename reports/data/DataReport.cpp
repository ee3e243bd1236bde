#include "reports/data/DataReport.h"

#include <sqlite3.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include "zeviza/Error.h"
#include "zeviza/ReaderCollation.h"

namespace parlow::reports {

namespace {

constexpr int kBusyTimeoutMs = 2000;
constexpr long kUnknownCommand = 3265;   // item not found in the collection
constexpr long kWrongParameters = 3708;  // parameter object improperly defined
constexpr long kCannotOpen = 3709;       // connection cannot be used

zeviza::Value Read(const SQLite::Column& column) {
    switch (column.getType()) {
        case SQLITE_INTEGER:
            return zeviza::Value(static_cast<std::int64_t>(column.getInt64()));
        case SQLITE_FLOAT:
            return zeviza::Value(column.getDouble());
        case SQLITE_NULL:
            return zeviza::Value();
        default:
            return zeviza::Value(column.getString());
    }
}

void CloseData(ReportData& data) {
    if (data.rows.IsOpen()) {
        data.rows.Close();
    }
    for (zeviza::RecordSet& child : data.children) {
        if (child.IsOpen()) {
            child.Close();
        }
    }
}

}  // namespace

ReportData GroupRows(zeviza::RecordSet rows, const std::vector<std::string>& groupBy) {
    std::vector<std::size_t> keyColumns;
    for (const std::string& column : groupBy) {
        if (rows.RecordCount() > 0) {  // an empty result groups by anything
            keyColumns.push_back(rows.ColumnIndex(column));
        }
    }
    const std::vector<std::string> columns = rows.Columns();
    std::vector<std::vector<zeviza::Value>> parents;
    std::vector<std::vector<std::vector<zeviza::Value>>> members;
    for (std::vector<zeviza::Value>& row : std::move(rows).TakeRows()) {
        std::vector<zeviza::Value> key;
        key.reserve(keyColumns.size());
        for (std::size_t column : keyColumns) {
            key.push_back(row[column]);
        }
        // The commands sort by their groups, so a row's group is nearly
        // always the one of the row before it.
        std::size_t at = parents.empty() || parents.back() != key ? 0 : parents.size() - 1;
        while (at < parents.size() && parents[at] != key) {
            ++at;
        }
        if (at == parents.size()) {
            parents.push_back(std::move(key));
            members.emplace_back();
        }
        members[at].push_back(std::move(row));
    }
    ReportData data;
    for (auto& games : members) {
        data.children.emplace_back(columns, std::move(games));
    }
    data.rows = zeviza::RecordSet(groupBy, std::move(parents));
    return data;
}

DataReport::DataReport(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

DataReport::~DataReport() {
    Release();
}

SQLite::Database& DataReport::Connection() {
    if (!db_) {
        const std::filesystem::path file = folder_ / "green" / "parlow.plg";
        try {
            // Reports only read: a read-only handle cannot change the file
            // even by mistake, and may run beside a copy that writes.
            db_ = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READONLY,
                                                     kBusyTimeoutMs);
        } catch (const std::exception& e) {
            throw zeviza::Error(kCannotOpen,
                                "Could not open the database '" + file.string() + "': " + e.what());
        }
        // Course names in the order the program's own lists show them.
        zeviza::RegisterReaderOrder(db_->getHandle());
    }
    return *db_;
}

const ReportCommand& DataReport::Checked(const std::string& command,
                                         const std::vector<std::string>& values) const {
    const ReportCommand* found = FindReportCommand(command);
    if (found == nullptr) {
        throw zeviza::Error(kUnknownCommand, "No report command is named '" + command + "'.");
    }
    if (values.size() != found->parameters.size()) {
        throw zeviza::Error(kWrongParameters,
                            command + " takes " + std::to_string(found->parameters.size()) +
                                " values, not " + std::to_string(values.size()) + ".");
    }
    return *found;
}

zeviza::RecordSet DataReport::Query(const std::string& sql,
                                    const std::vector<std::string>& values) {
    try {
        SQLite::Statement statement(Connection(), sql);
        for (std::size_t i = 0; i < values.size(); ++i) {
            statement.bind(static_cast<int>(i + 1), values[i]);
        }
        std::vector<std::string> columns;
        for (int c = 0; c < statement.getColumnCount(); ++c) {
            columns.emplace_back(statement.getColumnName(c));
        }
        std::vector<std::vector<zeviza::Value>> rows;
        while (statement.executeStep()) {
            std::vector<zeviza::Value> row;
            for (int c = 0; c < statement.getColumnCount(); ++c) {
                row.push_back(Read(statement.getColumn(c)));
            }
            rows.push_back(std::move(row));
        }
        return zeviza::RecordSet(std::move(columns), std::move(rows));
    } catch (const zeviza::Error&) {
        throw;
    } catch (const SQLite::Exception& e) {
        throw zeviza::Error(e.getErrorCode(), e.what());
    }
}

std::shared_ptr<const ReportData> DataReport::Run(const std::string& command,
                                                  const std::vector<std::string>& values) {
    const ReportCommand& found = Checked(command, values);
    Close(command);
    zeviza::RecordSet rows = Query(found.sql, values);
    auto result = std::make_shared<ReportData>();
    if (found.IsGrouped()) {
        *result = GroupRows(std::move(rows), found.groupBy);
    } else {
        result->rows = std::move(rows);
    }
    results_[command] = result;
    return result;
}

std::shared_ptr<const ReportData> DataReport::Result(const std::string& command) const {
    auto at = results_.find(command);
    return at == results_.end() ? nullptr : at->second;
}

bool DataReport::IsOpen(const std::string& command) const {
    auto result = Result(command);
    return result != nullptr && result->rows.IsOpen();
}

void DataReport::Close(const std::string& command) {
    if (auto at = results_.find(command); at != results_.end()) {
        CloseData(*at->second);
    }
}

bool DataReport::RecordExists(const std::string& command, const std::vector<std::string>& values) {
    const ReportCommand& found = Checked(command, values);
    return !Query(found.recordSql, values).IsEmpty();
}

void DataReport::Release() {
    for (auto& [name, result] : results_) {
        CloseData(*result);
    }
    db_.reset();
}

}  // namespace parlow::reports
