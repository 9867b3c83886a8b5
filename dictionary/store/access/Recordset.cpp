#include "access/Recordset.h"

#include "Utf8.h"
#include "access/DatabaseState.h"

namespace sindhikit::dataaccess {

namespace {

std::shared_ptr<detail::Database> OpenDatabase(const std::shared_ptr<detail::ConnectionState>& state) {
    if (!state || !state->database)
        throw DataError(ErrorNumber::ConnectionNotUsable,
                        "The connection cannot be used to perform this operation: it is closed");
    return state->database;
}

}  // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

void Recordset::Open(std::u16string_view source, const Connection& activeConnection) {
    if (statement_) throw DataError(ErrorNumber::NotAllowed, "Operation is not allowed when the object is open");
    auto database = OpenDatabase(activeConnection.state_);
    auto pool = database->PoolFor(source);
    Start(std::make_unique<detail::PooledStatement>(std::move(database), std::move(pool)));
}

void Recordset::Start(std::unique_ptr<detail::PooledStatement> statement) {
    statement_ = std::move(statement);
    eof_ = false;
    try {
        eof_ = !statement_->Step();
    } catch (...) {
        // An open that fails leaves the recordset closed.
        statement_.reset();
        eof_ = true;
        throw;
    }
    knownEmpty_ = eof_;
}

void Recordset::Step() {
    try {
        eof_ = !statement_->Step();
    } catch (...) {
        // A failed move ends the walk but leaves the recordset open at its end, so closing it
        // afterwards works and the move's own error is the one reported.
        eof_ = true;
        throw;
    }
}

bool Recordset::IsOpen() const {
    return statement_ != nullptr;
}

void Recordset::RequireOpen() const {
    if (!statement_) throw DataError(ErrorNumber::ObjectClosed, "Operation is not allowed when the object is closed");
}

void Recordset::RequireRow() const {
    RequireOpen();
    if (eof_)
        throw DataError(ErrorNumber::NoCurrentRecord,
                        "Either BOF or EOF is True, or the current record has been deleted");
}

std::int64_t Recordset::RecordCount() const {
    RequireOpen();
    return knownEmpty_ ? 0 : -1;
}

bool Recordset::Eof() const {
    RequireOpen();
    return eof_;
}

void Recordset::MoveFirst() {
    RequireOpen();
    statement_->Restart();
    eof_ = false;
    Step();
}

void Recordset::MoveNext() {
    RequireRow();
    Step();
}

int Recordset::FieldCount() const {
    RequireOpen();
    return sqlite3_column_count(statement_->stmt);
}

std::u16string Recordset::FieldName(int index) const {
    RequireOpen();
    if (index < 0 || index >= FieldCount())
        throw DataError(ErrorNumber::ItemNotFound,
                        "Item cannot be found in the collection: field " + std::to_string(index));
    const auto* name = static_cast<const char16_t*>(sqlite3_column_name16(statement_->stmt, index));
    return name ? std::u16string(name) : std::u16string();
}

int Recordset::FindColumn(std::u16string_view name) const {
    const int count = sqlite3_column_count(statement_->stmt);
    for (int i = 0; i < count; ++i) {
        const char* column = sqlite3_column_name(statement_->stmt, i);
        if (column && detail::SameName(name, column)) return i;
    }
    return -1;
}

bool Recordset::HasField(std::u16string_view name) const {
    RequireOpen();
    return FindColumn(name) >= 0;
}

int Recordset::ColumnIndex(std::u16string_view name) const {
    if (const int index = FindColumn(name); index >= 0) return index;
    throw DataError(ErrorNumber::ItemNotFound,
                    "Item cannot be found in the collection corresponding to the requested name: field '" +
                        Utf16ToUtf8(name) + "'");
}

FieldValue Recordset::Fields(std::u16string_view name) const {
    RequireOpen();
    const int index = ColumnIndex(name);
    return Fields(index);
}

FieldValue Recordset::Fields(int index) const {
    RequireRow();
    if (index < 0 || index >= sqlite3_column_count(statement_->stmt))
        throw DataError(ErrorNumber::ItemNotFound,
                        "Item cannot be found in the collection: field " + std::to_string(index));
    sqlite3_stmt* stmt = statement_->stmt;
    if (sqlite3_column_type(stmt, index) == SQLITE_NULL) return std::nullopt;
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(stmt, index));
    const int bytes = sqlite3_column_bytes16(stmt, index);
    if (!text) return std::u16string();
    return std::u16string(text, static_cast<std::size_t>(bytes) / sizeof(char16_t));
}

void Recordset::Close() {
    RequireOpen();
    statement_.reset();
    eof_ = true;
    knownEmpty_ = false;
}

}  // namespace sindhikit::dataaccess
