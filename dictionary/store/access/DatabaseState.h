// Internal to the data-access layer: the open SQLite database behind a Connection, with
// pools of prepared statements (a lookup reuses the statement of the previous one instead
// of preparing its SQL again) and the stored queries read from the store once.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <sqlite3.h>

#include "access/DataError.h"

namespace sindhikit::dataaccess::detail {

// Names of the store (stored queries, parameters, columns) match without regard to the
// case of ASCII letters.
char16_t FoldAscii(char16_t c);
bool SameName(std::u16string_view a, std::u16string_view b);
bool SameName(std::u16string_view a, const char* asciiOrUtf8);  // no allocation

struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const noexcept;
};
struct NameEqual {
    using is_transparent = void;
    bool operator()(std::u16string_view a, std::u16string_view b) const noexcept { return SameName(a, b); }
};

// Where the SQL of a statement comes from, which decides what it may do (StoreGuard.cpp):
// the program's own query texts, or a stored query's text read from the store.
enum class SqlOrigin { Program, Store };

// The prepared statements of one SQL text that no recordset is using.
struct StatementPool {
    std::u16string sql;
    std::vector<sqlite3_stmt*> idle;
    SqlOrigin origin = SqlOrigin::Program;
    std::u16string storedQuery;  // the stored query's name, for messages
};

// What one run of a statement has used so far (from its first step until it is reset).
struct RunUsage {
    std::chrono::milliseconds busy{};  // time spent inside sqlite3_step, on the coarse clock
    std::int64_t rows = 0;
    std::int64_t bytes = 0;  // text and blobs returned, as stored
};

struct PooledStatement;

struct Database : std::enable_shared_from_this<Database> {
    sqlite3* db = nullptr;
    std::u16string dataSource;
    std::string displayPath;  // UTF-8, for messages

    // The guard's state (StoreGuard.cpp): the rules the authorizer applies to what SQLite is
    // compiling now, why it refused last, the store's own tables (lower case), and the run
    // whose time the progress handler is counting.
    SqlOrigin compiling = SqlOrigin::Program;
    std::string refusal;
    std::vector<std::string> ownTables;
    const RunUsage* stepping = nullptr;
    std::chrono::milliseconds stepStart{};

    ~Database();

    // The pool of a query text.
    std::shared_ptr<StatementPool> PoolFor(std::u16string_view sql);
    // The pool of a stored query's SQL text, or null when the store has no such query.
    std::shared_ptr<StatementPool> StoredQuery(std::u16string_view name);

    // A prepared statement from the pool, or a new one; raises DataError.
    sqlite3_stmt* Acquire(StatementPool& pool);
    // Back to its pool, reset and unbound.
    void Release(StatementPool& pool, sqlite3_stmt* stmt) noexcept;

    // One step of a statement's run, within the budgets of its origin: true for a row, false
    // at the end. A failure resets the statement and raises the DataError naming its cause.
    bool Step(PooledStatement& statement);

    // Raises the DataError for an SQLite result code.
    [[noreturn]] void Raise(int rc, const std::string& context) const;

    // "the stored query 'NAME'" or "the query \"SQL\"", for messages.
    static std::string Describe(const StatementPool& pool);

 private:
    std::unordered_map<std::u16string, std::shared_ptr<StatementPool>> bySql_;
    std::unordered_map<std::u16string, std::shared_ptr<StatementPool>, NameHash, NameEqual> storedQueries_;
    std::shared_ptr<StatementPool> readQuery_;  // reads one stored query's text
    bool haveQueryTable_ = false;
    bool queryTableChecked_ = false;
};

// A statement lent to a recordset; returns itself to its pool when the recordset ends.
struct PooledStatement {
    std::shared_ptr<Database> database;
    std::shared_ptr<StatementPool> pool;
    sqlite3_stmt* stmt = nullptr;

    RunUsage usage;  // of the current run

    PooledStatement(std::shared_ptr<Database> db, std::shared_ptr<StatementPool> from)
        : database(std::move(db)), pool(std::move(from)), stmt(database->Acquire(*pool)) {}
    ~PooledStatement() {
        if (stmt) database->Release(*pool, stmt);
    }
    PooledStatement(const PooledStatement&) = delete;
    PooledStatement& operator=(const PooledStatement&) = delete;

    const std::u16string& Sql() const { return pool->sql; }
    bool Step() { return database->Step(*this); }
    // Back to the start of the run, with its usage cleared.
    void Restart() {
        sqlite3_reset(stmt);
        usage = {};
    }
};

// The Connection's shared handle: copies of a Connection see one open/closed state.
struct ConnectionState {
    std::shared_ptr<Database> database;  // null while closed
    std::u16string connectionString;
};

}  // namespace sindhikit::dataaccess::detail
