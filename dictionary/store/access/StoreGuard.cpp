#include "access/StoreGuard.h"

#include <algorithm>
#include <string>

#include "access/CoarseClock.h"
#include "access/StoreLimits.h"

namespace sindhikit::dataaccess::detail {

namespace {

// The functions any statement may call: plain functions of their arguments whose cost is
// linear in them, so a value of up to ValueLengthLimit bytes cannot stall a single step
// (SQLite checks the time budget only between steps of its program). Left out on purpose:
// functions whose cost grows with the product of two arguments (instr, replace, trim with a
// character list, like, glob), functions that make large values from small ones (zeroblob,
// randomblob, printf, char), and everything that reaches outside the values (the fts3
// tokenizer, load_extension, sqlite_*).
constexpr const char* kAllowedFunctions[] = {
    "abs", "coalesce", "count",  "ifnull", "iif",       "length", "lower",
    "max", "min",      "nullif", "substr", "substring", "upper",
};

// Pragmas the program's own queries read (the checker; the header's fields). None of them
// takes a value or changes anything.
constexpr const char* kAllowedPragmas[] = {
    "application_id", "integrity_check", "page_count", "page_size", "quick_check", "user_version",
};

std::string Lower(const char* text) {
    std::string out = text ? text : "";
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return out;
}

template <std::size_t N>
bool Listed(const char* const (&list)[N], const std::string& name) {
    return std::any_of(std::begin(list), std::end(list), [&](const char* item) { return name == item; });
}

std::string Quoted(const char* text) {
    return std::string("'") + (text ? text : "") + "'";
}

// Why an action is refused, as the end of "it ...".
std::string RefusalOf(int action, const char* third, const char* fourth) {
    switch (action) {
        case SQLITE_ATTACH:
        case SQLITE_DETACH:
            return "attaches another database file";
        case SQLITE_PRAGMA:
            return "runs PRAGMA " + Lower(third) + (fourth ? " with a value" : "");
        case SQLITE_RECURSIVE:
            return "uses a recursive WITH";
        case SQLITE_INSERT:
        case SQLITE_UPDATE:
        case SQLITE_DELETE:
            return "writes to " + Quoted(third);
        case SQLITE_TRANSACTION:
        case SQLITE_SAVEPOINT:
            return "starts or ends a transaction";
        default:
            return "changes the store (action " + std::to_string(action) + ")";
    }
}

int Authorize(void* data, int action, const char* third, const char* fourth, const char* database, const char*) {
    Database& d = *static_cast<Database*>(data);
    const bool store = d.compiling == SqlOrigin::Store;
    switch (action) {
        case SQLITE_SELECT:
            return SQLITE_OK;
        case SQLITE_READ: {
            // No database name: a table named without one, which can only be the store's (the
            // temporary database holds nothing and nothing can be made in it).
            if (database && Lower(database) != "main") {
                d.refusal = "reads " + Quoted(third) + " from another database (" + Quoted(database) + ")";
                return SQLITE_DENY;
            }
            const std::string table = Lower(third);
            if (store && std::find(d.ownTables.begin(), d.ownTables.end(), table) == d.ownTables.end()) {
                d.refusal = "reads " + Quoted(third) + ", which is not one of the store's tables";
                return SQLITE_DENY;
            }
            return SQLITE_OK;
        }
        case SQLITE_FUNCTION:
            if (Listed(kAllowedFunctions, Lower(fourth))) return SQLITE_OK;
            d.refusal = "calls " + Lower(fourth) + "(), which is not one of the functions a query on a store may call";
            return SQLITE_DENY;
        case SQLITE_PRAGMA:
            if (!store && !fourth && Listed(kAllowedPragmas, Lower(third))) return SQLITE_OK;
            break;
        default:
            break;
    }
    d.refusal = RefusalOf(action, third, fourth);
    return SQLITE_DENY;
}

int OnProgress(void* data) {
    const Database& d = *static_cast<const Database*>(data);
    if (!d.stepping) return 0;
    return d.stepping->busy + (CoarseNow() - d.stepStart) > StoredQueryTimeBudget ? 1 : 0;
}

// VM instructions between two looks at the clock. Most take tens of nanoseconds, but one on a
// value near ValueLengthLimit takes up to a millisecond, so the interval stays short enough
// that a budget is overrun by a small part of itself; the coarse clock costs little even so,
// and nothing for the program's own queries.
constexpr int kProgressInterval = 100;

}  // namespace

void GuardConnection(Database& database) {
    sqlite3* db = database.db;
    const auto config = [&](int option, int value, const char* what) {
        if (const int rc = sqlite3_db_config(db, option, value, nullptr); rc != SQLITE_OK)
            database.Raise(rc, std::string("Setting up the store connection (") + what + ")");
    };
    // No writing to the schema or to shadow tables by any path; no functions from the schema
    // but harmless ones; no triggers or views (a store is tables and stored queries).
    config(SQLITE_DBCONFIG_DEFENSIVE, 1, "defensive");
    config(SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, "trusted schema");
    config(SQLITE_DBCONFIG_WRITABLE_SCHEMA, 0, "writable schema");
    config(SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, "triggers");
    config(SQLITE_DBCONFIG_ENABLE_VIEW, 0, "views");
    config(SQLITE_DBCONFIG_DQS_DML, 0, "double-quoted strings");
    config(SQLITE_DBCONFIG_DQS_DDL, 0, "double-quoted strings");

    // Limits on what any statement may ask for (see StoreLimits.h for the values).
    const struct {
        int id, value;
    } limits[] = {
        {SQLITE_LIMIT_LENGTH, ValueLengthLimit},
        {SQLITE_LIMIT_SQL_LENGTH, SqlLengthLimit},
        {SQLITE_LIMIT_COLUMN, 64},  // the store's tables have four columns
        {SQLITE_LIMIT_EXPR_DEPTH, 32},
        {SQLITE_LIMIT_COMPOUND_SELECT, 8},
        {SQLITE_LIMIT_VDBE_OP, 25000},  // the checker's integrity check needs a few hundred
        {SQLITE_LIMIT_FUNCTION_ARG, 8},
        {SQLITE_LIMIT_ATTACHED, 0},
        {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 64},
        {SQLITE_LIMIT_VARIABLE_NUMBER, 8},  // a stored query has one parameter
        {SQLITE_LIMIT_TRIGGER_DEPTH, 1},
        {SQLITE_LIMIT_WORKER_THREADS, 0},
    };
    for (const auto& limit : limits) sqlite3_limit(db, limit.id, limit.value);

    // Read-only twice over (the file is opened read-only too); the shared lock is kept for the
    // whole run, so a lookup neither locks nor re-validates its page cache again; sorting and
    // temporary tables stay in memory, under the heap limit, never in files; cells are
    // checked against their page as they are read.
    char* message = nullptr;
    if (const int rc = sqlite3_exec(db,
                                    "PRAGMA query_only = 1; PRAGMA locking_mode = EXCLUSIVE; "
                                    "PRAGMA temp_store = MEMORY; PRAGMA cell_size_check = ON",
                                    nullptr, nullptr, &message);
        rc != SQLITE_OK) {
        sqlite3_free(message);
        database.Raise(rc, "Setting up the store connection");
    }

    // The process's heap limit: lowered to the budget, never raised.
    const sqlite3_int64 current = sqlite3_hard_heap_limit64(-1);
    if (current == 0 || current > SqliteHeapLimit) sqlite3_hard_heap_limit64(SqliteHeapLimit);

    sqlite3_set_authorizer(db, Authorize, &database);
    sqlite3_progress_handler(db, kProgressInterval, OnProgress, &database);
}

void BeginStep(Database& database, const PooledStatement& statement) {
    database.compiling = statement.pool->origin;  // a re-prepare inside the step keeps its rules
    if (statement.pool->origin != SqlOrigin::Store) return;  // no time budget, no clock
    database.stepping = &statement.usage;
    database.stepStart = CoarseNow();
}

void EndStep(Database& database, PooledStatement& statement) {
    if (database.stepping) statement.usage.busy += CoarseNow() - database.stepStart;
    database.stepping = nullptr;
    database.compiling = SqlOrigin::Program;
}

}  // namespace sindhikit::dataaccess::detail
