#include "access/DatabaseState.h"

#include <cstdint>

#include "Utf8.h"
#include "access/Command.h"
#include "access/StoreGuard.h"
#include "access/StoreLimits.h"

namespace sindhikit::dataaccess::detail {

char16_t FoldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 0x20) : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

bool SameName(std::u16string_view a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size(); ++i) {
        const auto byte = static_cast<unsigned char>(b[i]);
        if (byte == 0 || byte >= 0x80) {
            // Not plain ASCII: compare the decoded text.
            return byte != 0 && SameName(a, Utf8ToUtf16(b).value_or(u""));
        }
        if (FoldAscii(a[i]) != FoldAscii(static_cast<char16_t>(byte))) return false;
    }
    return b[i] == 0;
}

std::size_t NameHash::operator()(std::u16string_view name) const noexcept {
    // 64-bit FNV-1a on every target, folded to size_t (32 bits on i686).
    std::uint64_t h = 14695981039346656037ull;
    for (char16_t c : name) h = (h ^ FoldAscii(c)) * 1099511628211ull;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

Database::~Database() {
    const auto finalize = [](StatementPool& pool) {
        for (auto* stmt : pool.idle) sqlite3_finalize(stmt);
        pool.idle.clear();
    };
    for (auto& [sql, pool] : bySql_) finalize(*pool);
    for (auto& [name, pool] : storedQueries_) finalize(*pool);
    if (readQuery_) finalize(*readQuery_);
    if (db) sqlite3_close_v2(db);
}

void Database::Raise(int rc, const std::string& context) const {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const std::string where = "'" + displayPath + "'";
    switch (rc & 0xFF) {
        case SQLITE_NOTADB:
            throw DataError(ErrorNumber::Unspecified, "Unrecognized database format " + where +
                                                          ": the file is not a word store (" + message + ")");
        case SQLITE_CORRUPT:
            throw DataError(ErrorNumber::Unspecified,
                            "The word store " + where + " is damaged or truncated (" + message + ")");
        case SQLITE_CANTOPEN:
        case SQLITE_IOERR:
        case SQLITE_PERM:
            throw DataError(ErrorNumber::Unspecified, "Cannot read the word store " + where + " (" + message + ")");
        case SQLITE_AUTH:
            // Only the guard's authorizer refuses; it has said why.
            throw DataError(ErrorNumber::PermissionDenied,
                            context + " in " + where + ": refused, it " + (refusal.empty() ? message : refusal));
        case SQLITE_NOMEM:
            throw DataError(ErrorNumber::ResourceLimit,
                            context + " in " + where + ": stopped, it needs more than SQLite's " +
                                std::to_string(SqliteHeapLimit >> 20) + " MiB of memory or a longer program");
        case SQLITE_TOOBIG:
            throw DataError(ErrorNumber::ResourceLimit,
                            context + " in " + where + ": stopped, " + message + " (values may be at most " +
                                std::to_string(ValueLengthLimit >> 10) + " KiB, query texts " +
                                std::to_string(SqlLengthLimit >> 10) + " KiB)");
        case SQLITE_READONLY:
            throw DataError(ErrorNumber::NotAllowed,
                            "The word store " + where + " is open read-only; " + context + " would write to it");
        default:
            break;
    }
    if (message.rfind("no such table", 0) == 0 || message.rfind("no such column", 0) == 0)
        throw DataError(ErrorNumber::ObjectNotFound, context + ": " + message + " in " + where);
    throw DataError(ErrorNumber::CommandError, context + ": " + message + " in " + where);
}

std::string Database::Describe(const StatementPool& pool) {
    if (pool.origin == SqlOrigin::Store) return "the stored query '" + Utf16ToUtf8(pool.storedQuery) + "'";
    return "the query \"" + Utf16ToUtf8(pool.sql) + "\"";
}

std::shared_ptr<StatementPool> Database::PoolFor(std::u16string_view sql) {
    std::u16string key(sql);
    auto& pool = bySql_[key];
    if (!pool) pool = std::make_shared<StatementPool>(StatementPool{std::move(key), {}, SqlOrigin::Program, {}});
    return pool;
}

sqlite3_stmt* Database::Acquire(StatementPool& pool) {
    if (!pool.idle.empty()) {
        sqlite3_stmt* stmt = pool.idle.back();
        pool.idle.pop_back();
        return stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    // The authorizer applies the rules of the text's origin; a stored query may not reach a
    // virtual table either (the store's own tables are ordinary ones).
    compiling = pool.origin;
    refusal.clear();
    const unsigned flags = SQLITE_PREPARE_PERSISTENT | (pool.origin == SqlOrigin::Store ? SQLITE_PREPARE_NO_VTAB : 0);
    const int rc = sqlite3_prepare16_v3(db, pool.sql.data(), static_cast<int>(pool.sql.size() * sizeof(char16_t)),
                                        flags, &stmt, nullptr);
    compiling = SqlOrigin::Program;
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        std::string context = Describe(pool) + " cannot run";
        context[0] = 'T';
        Raise(rc, context);
    }
    if (!stmt) throw DataError(ErrorNumber::CommandError, "The query text is empty");
    if (!sqlite3_stmt_readonly(stmt)) {
        sqlite3_finalize(stmt);
        std::string what = Describe(pool);
        what[0] = 'T';
        throw DataError(ErrorNumber::NotAllowed, what + " would change the word store, which is read-only");
    }
    return stmt;
}

bool Database::Step(PooledStatement& statement) {
    BeginStep(*this, statement);
    const int rc = sqlite3_step(statement.stmt);
    EndStep(*this, statement);
    const bool budgeted = statement.pool->origin == SqlOrigin::Store;
    const auto stop = [&](const std::string& why) {
        sqlite3_reset(statement.stmt);
        std::string what = Describe(*statement.pool);
        what[0] = 'T';
        throw DataError(ErrorNumber::ResourceLimit, what + " in '" + displayPath + "' was stopped: it " + why);
    };
    if (rc == SQLITE_ROW) {
        if (!budgeted) return true;
        RunUsage& usage = statement.usage;
        ++usage.rows;
        for (int i = 0, n = sqlite3_column_count(statement.stmt); i < n; ++i) {
            const int type = sqlite3_column_type(statement.stmt, i);
            usage.bytes += type == SQLITE_TEXT || type == SQLITE_BLOB ? sqlite3_column_bytes(statement.stmt, i) : 8;
        }
        if (usage.rows > StoredQueryRowBudget)
            stop("returned more than " + std::to_string(StoredQueryRowBudget) + " rows");
        if (usage.bytes > StoredQueryByteBudget)
            stop("returned more than " + std::to_string(StoredQueryByteBudget >> 20) + " MiB");
        return true;
    }
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(statement.stmt);
    if ((rc & 0xFF) == SQLITE_INTERRUPT && budgeted)
        stop("ran longer than " + std::to_string(StoredQueryTimeBudget.count()) + " ms");
    Raise(rc, "Reading the rows of " + Describe(*statement.pool));
}

void Database::Release(StatementPool& pool, sqlite3_stmt* stmt) noexcept {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    // A few idle statements cover recordsets open at once (a lookup during a loading loop).
    if (pool.idle.size() < 4) {
        try {
            pool.idle.push_back(stmt);
            return;
        } catch (...) {
        }
    }
    sqlite3_finalize(stmt);
}

std::shared_ptr<StatementPool> Database::StoredQuery(std::u16string_view name) {
    if (auto found = storedQueries_.find(name); found != storedQueries_.end()) return found->second;
    if (!queryTableChecked_) {
        std::u16string probe = u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '";
        probe += StoredQueriesTable;
        probe += u"' COLLATE NOCASE";
        PooledStatement statement(shared_from_this(), PoolFor(probe));
        haveQueryTable_ = statement.Step();
        queryTableChecked_ = true;
    }
    if (!haveQueryTable_) return nullptr;
    if (!readQuery_) {
        std::u16string select = u"SELECT SQL FROM ";
        select += StoredQueriesTable;
        select += u" WHERE Name = ?1 COLLATE NOCASE";
        readQuery_ = std::make_shared<StatementPool>(StatementPool{std::move(select), {}, SqlOrigin::Program, {}});
    }
    PooledStatement statement(shared_from_this(), readQuery_);
    sqlite3_bind_text16(statement.stmt, 1, name.data(), static_cast<int>(name.size() * sizeof(char16_t)),
                        SQLITE_TRANSIENT);
    const std::string reading = "Reading the stored query '" + Utf16ToUtf8(name) + "'";
    try {
        if (!statement.Step()) return nullptr;
    } catch (const DataError& e) {
        throw DataError(e.Number(), reading + ": " + e.Description());
    }
    if (sqlite3_column_type(statement.stmt, 0) == SQLITE_NULL) return nullptr;
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement.stmt, 0));
    const int bytes = sqlite3_column_bytes16(statement.stmt, 0);
    if (!text) Raise(sqlite3_errcode(db), reading);
    auto pool = std::make_shared<StatementPool>(
        StatementPool{std::u16string(text, static_cast<std::size_t>(bytes) / sizeof(char16_t)),
                      {},
                      SqlOrigin::Store,
                      std::u16string(name)});
    // The store is read-only, so a query's text cannot change while the connection is open.
    storedQueries_.emplace(std::u16string(name), pool);
    return pool;
}

}  // namespace sindhikit::dataaccess::detail
