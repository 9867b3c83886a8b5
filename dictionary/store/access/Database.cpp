#include "access/DatabaseState.h"

#include <cstdint>

#include "Utf8.h"
#include "access/Command.h"

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
        case SQLITE_AUTH:
            throw DataError(ErrorNumber::Unspecified, "Cannot read the word store " + where + " (" + message + ")");
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

std::shared_ptr<StatementPool> Database::PoolFor(std::u16string_view sql) {
    std::u16string key(sql);
    auto& pool = bySql_[key];
    if (!pool) pool = std::make_shared<StatementPool>(StatementPool{std::move(key), {}});
    return pool;
}

sqlite3_stmt* Database::Acquire(StatementPool& pool) {
    if (!pool.idle.empty()) {
        sqlite3_stmt* stmt = pool.idle.back();
        pool.idle.pop_back();
        return stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare16_v3(db, pool.sql.data(), static_cast<int>(pool.sql.size() * sizeof(char16_t)),
                                        SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        Raise(rc, "The query \"" + Utf16ToUtf8(pool.sql) + "\" cannot run");
    }
    if (!stmt) throw DataError(ErrorNumber::CommandError, "The query text is empty");
    if (!sqlite3_stmt_readonly(stmt)) {
        sqlite3_finalize(stmt);
        throw DataError(ErrorNumber::NotAllowed,
                        "The query \"" + Utf16ToUtf8(pool.sql) + "\" would change the word store, which is read-only");
    }
    return stmt;
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
        const int rc = sqlite3_step(statement.stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) Raise(rc, "Reading the list of stored queries");
        haveQueryTable_ = rc == SQLITE_ROW;
        queryTableChecked_ = true;
    }
    if (!haveQueryTable_) return nullptr;
    if (!readQuery_) {
        std::u16string select = u"SELECT SQL FROM ";
        select += StoredQueriesTable;
        select += u" WHERE Name = ?1 COLLATE NOCASE";
        readQuery_ = std::make_shared<StatementPool>(StatementPool{std::move(select), {}});
    }
    PooledStatement statement(shared_from_this(), readQuery_);
    sqlite3_bind_text16(statement.stmt, 1, name.data(), static_cast<int>(name.size() * sizeof(char16_t)),
                        SQLITE_TRANSIENT);
    const int rc = sqlite3_step(statement.stmt);
    if (rc == SQLITE_DONE) return nullptr;
    if (rc != SQLITE_ROW) Raise(rc, "Reading the stored query '" + Utf16ToUtf8(name) + "'");
    if (sqlite3_column_type(statement.stmt, 0) == SQLITE_NULL) return nullptr;
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement.stmt, 0));
    const int bytes = sqlite3_column_bytes16(statement.stmt, 0);
    auto pool = std::make_shared<StatementPool>(
        StatementPool{std::u16string(text, static_cast<std::size_t>(bytes) / sizeof(char16_t)), {}});
    // The store is read-only, so a query's text cannot change while the connection is open.
    storedQueries_.emplace(std::u16string(name), pool);
    return pool;
}

}  // namespace sindhikit::dataaccess::detail
