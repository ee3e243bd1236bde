#include "zeviza/Connection.h"

#include <sqlite3.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include "src/HandleCache.h"
#include "zeviza/ReaderCollation.h"

namespace zeviza {

void detail::FinalizeStatement::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

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

// The first failing bind's code, or SQLITE_OK.
int BindAll(sqlite3_stmt* statement, const std::vector<Value>& params) {
    for (std::size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        const Value& value = params[i];
        int bound = SQLITE_OK;
        if (value.IsNull()) {
            bound = sqlite3_bind_null(statement, index);
        } else if (value.IsInteger()) {
            bound = sqlite3_bind_int64(statement, index, value.ToInt());
        } else if (value.IsReal()) {
            bound = sqlite3_bind_double(statement, index, value.ToDouble());
        } else {
            const std::string text = value.ToText();
            bound = sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                                      SQLITE_TRANSIENT);
        }
        if (bound != SQLITE_OK) {
            return bound;
        }
    }
    return SQLITE_OK;
}

Value ReadCell(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return Value(static_cast<std::int64_t>(sqlite3_column_int64(statement, column)));
        case SQLITE_FLOAT:
            return Value(sqlite3_column_double(statement, column));
        case SQLITE_NULL:
            return Value();
        default: {
            const void* bytes = sqlite3_column_blob(statement, column);
            const int size = sqlite3_column_bytes(statement, column);
            return Value(bytes == nullptr ? std::string()
                                          : std::string(static_cast<const char*>(bytes),
                                                        static_cast<std::size_t>(size)));
        }
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
        detail::IdleConnection idle = detail::TakeIdleHandle(source, openedOn_);
        statements_ = std::move(idle.statements);
        db_ = std::move(idle.handle);
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
    if (configured_ && openedOn_) {
        for (auto& [sql, statement] : statements_) {
            sqlite3_reset(statement.get());
        }
        detail::KeepIdleHandle(DataSource(), *openedOn_, {std::move(db_), std::move(statements_)});
    }
    statements_.clear();
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

sqlite3_stmt* Connection::Prepared(const std::string& sql) {
    sqlite3* db = Db().getHandle();
    if (auto found = statements_.find(sql); found != statements_.end()) {
        sqlite3_reset(found->second.get());
        sqlite3_clear_bindings(found->second.get());
        return found->second.get();
    }
    // A few dozen kinds of statement serve every call; a stray flood of
    // distinct ones is not kept.
    if (statements_.size() >= kKeptStatements) {
        statements_.clear();
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        const int code = sqlite3_extended_errcode(db);
        sqlite3_finalize(statement);
        Fail(NumberFor(code, true), message);
    }
    if (statement == nullptr) {  // nothing but blanks or a comment
        Fail(SQLITE_MISUSE, "bad parameter or other API misuse");
    }
    statements_.emplace(sql, statement);
    return statement;
}

RecordSetPtr Connection::Execute(const std::string& sql, const std::vector<Value>& params) {
    try {
        return Run(sql, params);
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        FailFromEngine(e);
    }
}

RecordSetPtr Connection::Run(const std::string& sql, const std::vector<Value>& params) {
    sqlite3_stmt* statement = Prepared(sql);
    // Left reset, so a kept statement holds no read open between calls.
    struct ResetAfter {
        sqlite3_stmt* statement;
        ~ResetAfter() { sqlite3_reset(statement); }
    } resetAfter{statement};
    sqlite3* db = Db().getHandle();
    const auto failed = [&] {
        Fail(NumberFor(sqlite3_extended_errcode(db), false), sqlite3_errmsg(db));
    };
    if (BindAll(statement, params) != SQLITE_OK) {
        failed();
    }
    // The shape is read after the first step: a statement kept from an
    // earlier call is prepared again by the engine when another program
    // changed the tables meanwhile, and only then shows their columns as
    // they are now.
    int stepped = sqlite3_step(statement);
    std::vector<std::string> columns;
    for (int c = 0; c < sqlite3_column_count(statement); ++c) {
        columns.emplace_back(sqlite3_column_name(statement, c));
    }
    std::vector<std::vector<Value>> rows;
    for (; stepped == SQLITE_ROW; stepped = sqlite3_step(statement)) {
        std::vector<Value> row;
        row.reserve(columns.size());
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            row.push_back(ReadCell(statement, c));
        }
        rows.push_back(std::move(row));
    }
    if (stepped != SQLITE_DONE) {
        failed();
    }
    return std::make_unique<RecordSet>(std::move(columns), std::move(rows));
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
    if (BindAll(raw, params) != SQLITE_OK) {
        Fail(NumberFor(sqlite3_extended_errcode(db), false), sqlite3_errmsg(db));
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
