// Recordset: a forward-only, read-only walk over the rows of a query, as an ADO recordset
// opened with the default cursor and lock.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "access/Connection.h"

namespace sindhikit::dataaccess {

// A field's value: the text of the column, or std::nullopt for Null. Numbers are read as
// their decimal text.
using FieldValue = std::optional<std::u16string>;

namespace detail {
struct PooledStatement;
}

class Recordset {
 public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Runs the query text on an open connection. An error (closed connection, a table or
    // column that does not exist, a syntax error) raises a DataError.
    void Open(std::u16string_view source, const Connection& activeConnection);

    bool IsOpen() const;

    // 0 when the result is known to be empty, -1 (unknown) otherwise.
    std::int64_t RecordCount() const;
    // End of file: no current row.
    bool Eof() const;
    // Back to the first row (the query runs again from the start).
    void MoveFirst();
    // On to the next row; at end of file it raises NoCurrentRecord.
    void MoveNext();

    // The current row's field by column name, matched without regard to letter case.
    // An unknown name raises ItemNotFound; no current row raises NoCurrentRecord.
    FieldValue Fields(std::u16string_view name) const;
    FieldValue Fields(int index) const;
    int FieldCount() const;
    std::u16string FieldName(int index) const;
    // Whether the rows have a column of that name, matched without regard to letter case.
    bool HasField(std::u16string_view name) const;

    void Close();

 private:
    friend class Command;
    void Start(std::unique_ptr<detail::PooledStatement> statement);
    void Step();
    void RequireOpen() const;
    void RequireRow() const;
    int FindColumn(std::u16string_view name) const;  // -1 when there is none
    int ColumnIndex(std::u16string_view name) const;

    std::unique_ptr<detail::PooledStatement> statement_;
    bool eof_ = true;
    bool knownEmpty_ = false;
};

}  // namespace sindhikit::dataaccess
