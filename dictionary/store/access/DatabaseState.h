// Internal to the data-access layer: the open SQLite database behind a Connection, with
// its pool of prepared statements (a lookup reuses the statement of the previous one
// instead of preparing its SQL again) and its cache of stored-query texts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <sqlite3.h>

#include "access/DataError.h"

namespace sindhikit::dataaccess::detail {

struct Database : std::enable_shared_from_this<Database> {
  sqlite3* db = nullptr;
  std::u16string dataSource;
  std::string displayPath;  // UTF-8, for messages

  ~Database();

  // A prepared statement for sql, from the pool or newly prepared; raises DataError.
  sqlite3_stmt* Acquire(const std::u16string& sql);
  // Back to the pool, reset and unbound.
  void Release(const std::u16string& sql, sqlite3_stmt* stmt) noexcept;
  // The SQL text of a stored query (name matched without regard to case), or nullopt.
  std::optional<std::u16string> StoredQuerySql(std::u16string_view name);

  // Raises the DataError for an SQLite result code.
  [[noreturn]] void Raise(int rc, const std::string& context) const;

 private:
  std::unordered_map<std::u16string, std::vector<sqlite3_stmt*>> idle_;
  std::unordered_map<std::u16string, std::u16string> storedQueries_;  // lower-cased name
  bool haveQueryTable_ = false;
  bool queryTableChecked_ = false;
};

// A statement lent to a recordset; returns itself to the pool when the recordset ends.
struct PooledStatement {
  std::shared_ptr<Database> database;
  std::u16string sql;
  sqlite3_stmt* stmt = nullptr;

  PooledStatement(std::shared_ptr<Database> db, std::u16string text)
      : database(std::move(db)), sql(std::move(text)), stmt(database->Acquire(sql)) {}
  ~PooledStatement() {
    if (stmt) database->Release(sql, stmt);
  }
  PooledStatement(const PooledStatement&) = delete;
  PooledStatement& operator=(const PooledStatement&) = delete;
};

// The Connection's shared handle: copies of a Connection see one open/closed state.
struct ConnectionState {
  std::shared_ptr<Database> database;  // null while closed
  std::u16string connectionString;
};

}  // namespace sindhikit::dataaccess::detail
