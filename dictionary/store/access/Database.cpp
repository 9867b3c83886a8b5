#include "access/DatabaseState.h"

#include "Utf8.h"
#include "access/Command.h"

namespace sindhikit::dataaccess::detail {

namespace {

std::u16string Lower(std::u16string_view s) {
  std::u16string out(s);
  for (auto& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
  return out;
}

std::u16string ColumnText(sqlite3_stmt* stmt, int column) {
  const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(stmt, column));
  const int bytes = sqlite3_column_bytes16(stmt, column);
  return text ? std::u16string(text, static_cast<std::size_t>(bytes) / 2) : std::u16string();
}

}  // namespace

Database::~Database() {
  for (auto& [sql, statements] : idle_)
    for (auto* stmt : statements) sqlite3_finalize(stmt);
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

sqlite3_stmt* Database::Acquire(const std::u16string& sql) {
  auto found = idle_.find(sql);
  if (found != idle_.end() && !found->second.empty()) {
    sqlite3_stmt* stmt = found->second.back();
    found->second.pop_back();
    return stmt;
  }
  sqlite3_stmt* stmt = nullptr;
  const int rc = sqlite3_prepare16_v3(db, sql.data(), static_cast<int>(sql.size() * sizeof(char16_t)),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(stmt);
    Raise(rc, "The query \"" + Utf16ToUtf8(sql) + "\" cannot run");
  }
  if (!stmt) throw DataError(ErrorNumber::CommandError, "The query text is empty");
  if (!sqlite3_stmt_readonly(stmt)) {
    sqlite3_finalize(stmt);
    throw DataError(ErrorNumber::NotAllowed, "The query \"" + Utf16ToUtf8(sql) +
                                                 "\" would change the word store, which is read-only");
  }
  return stmt;
}

void Database::Release(const std::u16string& sql, sqlite3_stmt* stmt) noexcept {
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  try {
    auto& pool = idle_[sql];
    if (pool.size() < 4) {
      pool.push_back(stmt);
      return;
    }
  } catch (...) {
  }
  sqlite3_finalize(stmt);
}

std::optional<std::u16string> Database::StoredQuerySql(std::u16string_view name) {
  const std::u16string key = Lower(name);
  if (auto found = storedQueries_.find(key); found != storedQueries_.end()) return found->second;
  if (!queryTableChecked_) {
    std::u16string probe = u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '";
    probe += StoredQueriesTable;
    probe += u"' COLLATE NOCASE";
    PooledStatement statement(shared_from_this(), probe);
    const int rc = sqlite3_step(statement.stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) Raise(rc, "Reading the list of stored queries");
    haveQueryTable_ = rc == SQLITE_ROW;
    queryTableChecked_ = true;
  }
  if (!haveQueryTable_) return std::nullopt;
  std::u16string select = u"SELECT SQL FROM ";
  select += StoredQueriesTable;
  select += u" WHERE Name = ?1 COLLATE NOCASE";
  PooledStatement statement(shared_from_this(), select);
  sqlite3_bind_text16(statement.stmt, 1, name.data(), static_cast<int>(name.size() * sizeof(char16_t)),
                      SQLITE_TRANSIENT);
  const int rc = sqlite3_step(statement.stmt);
  if (rc == SQLITE_DONE) return std::nullopt;
  if (rc != SQLITE_ROW) Raise(rc, "Reading the stored query '" + Utf16ToUtf8(name) + "'");
  if (sqlite3_column_type(statement.stmt, 0) == SQLITE_NULL) return std::nullopt;
  std::u16string sql = ColumnText(statement.stmt, 0);
  storedQueries_.emplace(key, sql);
  return sql;
}

}  // namespace sindhikit::dataaccess::detail
