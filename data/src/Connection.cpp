#include "zeviza/Connection.h"

#include <sqlite3.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include "src/HandleCache.h"
#include "zeviza/ReaderCollation.h"

namespace zeviza {

namespace {

constexpr int kBusyTimeoutMs = 2000;
constexpr std::size_t kKeptStatements = 64;

// Failures of preparing a statement are parse failures; a NOT NULL column
// receiving a division without value is the out-of-range condition.
long NumberFor(int extendedCode, bool whilePreparing) {
    if (whilePreparing && (extendedCode & 0xff) == SQLITE_ERROR) {
        return kSyntaxError;
    }
    if (extendedCode == SQLITE_CONSTRAINT_NOTNULL || (extendedCode & 0xff) == SQLITE_TOOBIG ||
        (extendedCode & 0xff) == SQLITE_RANGE || (extendedCode & 0xff) == SQLITE_MISMATCH) {
        return kValueOutOfRange;
    }
    return extendedCode & 0xff;
}

void Bind(SQLite::Statement& statement, int index, const Value& value) {
    if (value.IsNull()) {
        statement.bind(index);
    } else if (value.IsInteger()) {
        statement.bind(index, static_cast<int64_t>(value.ToInt()));
    } else if (value.IsReal()) {
        statement.bind(index, value.ToDouble());
    } else {
        statement.bind(index, value.ToText());
    }
}

Value Read(const SQLite::Column& column) {
    switch (column.getType()) {
        case SQLITE_INTEGER:
            return Value(static_cast<std::int64_t>(column.getInt64()));
        case SQLITE_FLOAT:
            return Value(column.getDouble());
        case SQLITE_NULL:
            return Value();
        default:
            return Value(column.getString());
    }
}

// A new handle gets what every unit of work relies on, set here rather than
// inherited from how SQLite was built on the machine at hand: the rollback
// journal and a sync of every commit (all of a write or none of it after a
// crash or power loss), and the reading order of names. False when the file
// is no database: the first statement of the unit of work then fails and is
// reported there, and the handle is not kept.
bool Configure(SQLite::Database& db) {
    RegisterReaderOrder(db.getHandle());
    try {
        db.exec("PRAGMA synchronous=FULL;");
        SQLite::Statement mode(db, "PRAGMA journal_mode=DELETE;");
        return mode.executeStep() && mode.getColumn(0).getString() == "delete";
    } catch (const SQLite::Exception&) {
        return false;
    }
}

}  // namespace

Connection::Connection(std::string connectString) : connectString_(std::move(connectString)) {}

Connection::~Connection() = default;

std::string Connection::DataSource() const {
    static const std::string key = "Data Source=";
    const auto start = connectString_.find(key);
    if (start == std::string::npos) {
        return {};
    }
    const auto from = start + key.size();
    // A folder name may itself hold a semicolon, so the source runs up to the
    // setting that follows it when that is present.
    auto end = connectString_.rfind(";Persist Security Info");
    if (end == std::string::npos || end < from) {
        end = connectString_.find(';', from);
    }
    return connectString_.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

void Connection::Fail(long number, const std::string& description) {
    errors_.emplace_back(number, description);
    throw Error(number, description);
}

void Connection::FailFromEngine(const std::exception& e) {
    if (auto* sqlite = dynamic_cast<const SQLite::Exception*>(&e)) {
        Fail(NumberFor(sqlite->getExtendedErrorCode(), false), sqlite->what());
    }
    Fail(SQLITE_ERROR, e.what());
}

SQLite::Database& Connection::Db() {
    if (!db_) {
        Fail(kObjectClosed, "Operation is not allowed when the object is closed.");
    }
    return *db_;
}

void Connection::Open() {
    if (db_) {
        Fail(kObjectClosed + 1, "Operation is not allowed when the object is open.");
    }
    const std::string source = DataSource();
    try {
        // A damaged or locked file fails at its first statement, inside the
        // transaction, where a write can report it.
        openedOn_ = detail::IdentifyWritable(source);
        db_ = detail::TakeIdleHandle(source, openedOn_);
        configured_ = db_ != nullptr;
        if (!db_) {
            db_ =
                std::make_unique<SQLite::Database>(source, SQLite::OPEN_READWRITE, kBusyTimeoutMs);
            configured_ = Configure(*db_);
        }
    } catch (const SQLite::Exception& e) {
        Fail(e.getErrorCode() == SQLITE_CANTOPEN ? 3709 : (e.getErrorCode() & 0xff),
             std::string("Could not open the database '") + source + "': " + e.what());
    } catch (const std::exception& e) {
        FailFromEngine(e);
    }
}

void Connection::Close() {
    if (!db_) {
        Fail(kObjectClosed, "Operation is not allowed when the object is closed.");
    }
    if (inTransaction_) {
        try {
            db_->exec("ROLLBACK;");
        } catch (...) {
            // Closing the handle discards the transaction in any case.
        }
        inTransaction_ = false;
    }
    statements_.clear();
    if (configured_ && openedOn_) {
        detail::KeepIdleHandle(DataSource(), *openedOn_, std::move(db_));
    }
    db_.reset();
}

void Connection::BeginTrans() {
    try {
        Db().exec("BEGIN;");
        inTransaction_ = true;
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        FailFromEngine(e);
    }
}

void Connection::CommitTrans() {
    if (!inTransaction_) {
        Fail(kNoTransaction, "No transaction is active.");
    }
    try {
        Db().exec("COMMIT;");
        inTransaction_ = false;
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        FailFromEngine(e);
    }
}

void Connection::RollbackTrans() {
    if (!inTransaction_ || !db_) {
        Fail(kNoTransaction, "No transaction is active.");
    }
    inTransaction_ = false;
    try {
        db_->exec("ROLLBACK;");
    } catch (const std::exception& e) {
        // SQLite may already have rolled back on its own after some errors.
        if (db_->getHandle() != nullptr && sqlite3_get_autocommit(db_->getHandle()) == 0) {
            FailFromEngine(e);
        }
    }
}

SQLite::Statement& Connection::Prepared(const std::string& sql, bool& whilePreparing) {
    SQLite::Database& db = Db();
    whilePreparing = true;
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        // A few dozen kinds of statement serve every call; a stray flood of
        // distinct ones is not kept.
        if (statements_.size() >= kKeptStatements) {
            statements_.clear();
        }
        found = statements_.emplace(sql, std::make_unique<SQLite::Statement>(db, sql)).first;
    } else {
        found->second->tryReset();
        found->second->clearBindings();
    }
    whilePreparing = false;
    return *found->second;
}

RecordSetPtr Connection::Execute(const std::string& sql, const std::vector<Value>& params) {
    SQLite::Statement* statement = nullptr;
    bool whilePreparing = false;
    try {
        statement = &Prepared(sql, whilePreparing);
    } catch (const Error&) {
        throw;
    } catch (const SQLite::Exception& e) {
        Fail(NumberFor(e.getExtendedErrorCode(), whilePreparing), e.what());
    } catch (const std::exception& e) {
        FailFromEngine(e);
    }
    // Left reset, so a kept statement holds no read open between calls.
    struct ResetAfter {
        SQLite::Statement& statement;
        ~ResetAfter() { statement.tryReset(); }
    } resetAfter{*statement};
    try {
        for (std::size_t i = 0; i < params.size(); ++i) {
            Bind(*statement, static_cast<int>(i + 1), params[i]);
        }
        std::vector<std::string> columns;
        for (int c = 0; c < statement->getColumnCount(); ++c) {
            columns.emplace_back(statement->getColumnName(c));
        }
        std::vector<std::vector<Value>> rows;
        while (statement->executeStep()) {
            std::vector<Value> row;
            row.reserve(columns.size());
            for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
                row.push_back(Read(statement->getColumn(c)));
            }
            rows.push_back(std::move(row));
        }
        return std::make_unique<RecordSet>(std::move(columns), std::move(rows));
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        FailFromEngine(e);
    }
}

void Connection::ExecuteEach(const std::string& sql, const std::vector<Value>& params,
                             const std::function<void(const RowTexts&)>& row) {
    sqlite3* db = Db().getHandle();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_finalize(raw);
        Fail(NumberFor(sqlite3_extended_errcode(db), true), message);
    }
    // Stepped by hand: each cell's text is read where the engine keeps it.
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    for (std::size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        const Value& value = params[i];
        if (value.IsNull()) {
            sqlite3_bind_null(raw, index);
        } else if (value.IsInteger()) {
            sqlite3_bind_int64(raw, index, value.ToInt());
        } else if (value.IsReal()) {
            sqlite3_bind_double(raw, index, value.ToDouble());
        } else {
            const std::string text = value.ToText();
            sqlite3_bind_text(raw, index, text.data(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
        }
    }
    const int count = sqlite3_column_count(raw);
    RowTexts texts(static_cast<std::size_t>(count));
    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(raw)) == SQLITE_ROW) {
        for (int c = 0; c < count; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, c));
            const int bytes = sqlite3_column_bytes(raw, c);
            texts[static_cast<std::size_t>(c)] =
                text == nullptr ? std::string_view()
                                : std::string_view(text, static_cast<std::size_t>(bytes));
        }
        row(texts);
    }
    if (stepped != SQLITE_DONE) {
        Fail(NumberFor(sqlite3_extended_errcode(db), false), sqlite3_errmsg(db));
    }
}

long long Connection::ExecuteChanges(const std::string& sql, const std::vector<Value>& params) {
    Execute(sql, params);
    return sqlite3_changes(Db().getHandle());
}

}  // namespace zeviza
