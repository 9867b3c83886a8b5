#include "access/Connection.h"

#include <filesystem>
#include <system_error>

#include "Utf8.h"
#include "access/ConnectionString.h"
#include "access/DatabaseState.h"

namespace sindhikit::dataaccess {

namespace {

std::int64_t PragmaValue(detail::Database& database, const char16_t* pragma) {
    detail::PooledStatement statement(database.shared_from_this(), database.PoolFor(pragma));
    const int rc = sqlite3_step(statement.stmt);
    if (rc != SQLITE_ROW) database.Raise(rc, "Opening the word store");
    return sqlite3_column_int64(statement.stmt, 0);
}

// Makes SQLite read the header and the schema now, so that a file that is not a whole
// database fails at open with a clear error instead of at the first lookup.
void VerifyWholeDatabase(detail::Database& database, std::uintmax_t fileSize) {
    const std::int64_t pageSize = PragmaValue(database, u"PRAGMA page_size");
    const std::int64_t pageCount = PragmaValue(database, u"PRAGMA page_count");
    PragmaValue(database, u"SELECT count(*) FROM sqlite_master");
    const auto expected = static_cast<std::uintmax_t>(pageSize) * static_cast<std::uintmax_t>(pageCount);
    if (pageSize <= 0 || fileSize < expected || fileSize % static_cast<std::uintmax_t>(pageSize) != 0)
        throw DataError(ErrorNumber::Unspecified, "The word store '" + database.displayPath +
                                                      "' is truncated: it holds " + std::to_string(fileSize) +
                                                      " bytes, its header promises " + std::to_string(pageCount) +
                                                      " pages of " + std::to_string(pageSize) + " bytes");
}

}  // namespace

Connection::Connection() : state_(std::make_shared<detail::ConnectionState>()) {}

void Connection::Open(std::u16string_view connectionString, std::u16string_view userId, std::u16string_view password,
                      std::int32_t options) {
    if (state_->database) throw DataError(ErrorNumber::NotAllowed, "Operation is not allowed when the object is open");
    if (!userId.empty() || !password.empty())
        throw DataError(ErrorNumber::InvalidArgument,
                        "The word store is not secured: user name and password must be empty");
    if (options != -1) throw DataError(ErrorNumber::InvalidArgument, "Connection options must be unspecified (-1)");
    const ConnectionSettings settings = ParseConnectionString(connectionString);

    auto database = std::make_shared<detail::Database>();
    database->dataSource = settings.dataSource;
    database->displayPath = Utf16ToUtf8(settings.dataSource);
    const std::filesystem::path path(settings.dataSource);

    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        throw DataError(ErrorNumber::Unspecified, "Could not find file '" + database->displayPath + "'");
    if (std::filesystem::is_directory(status))
        throw DataError(ErrorNumber::Unspecified, "'" + database->displayPath + "' is a folder, not a word store file");
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
        throw DataError(ErrorNumber::Unspecified,
                        "Cannot read the word store '" + database->displayPath + "' (" + ec.message() + ")");
    if (size == 0)
        throw DataError(ErrorNumber::Unspecified,
                        "The word store '" + database->displayPath + "' is empty (0 bytes): not a database");

    // Read-only at the engine: no journal is created and nothing can be written.
    const int rc = sqlite3_open_v2(database->displayPath.c_str(), &database->db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) database->Raise(rc, "Opening the word store");
    sqlite3_extended_result_codes(database->db, 1);
    VerifyWholeDatabase(*database, size);
    // A second guard: the connection refuses writing statements even if a later change
    // opened the file read-write.
    // The store is read-only for the whole run: once the first read takes the shared lock the
    // connection keeps it, so a lookup neither locks nor re-validates its page cache again.
    if (const int q = sqlite3_exec(database->db, "PRAGMA query_only = 1; PRAGMA locking_mode = EXCLUSIVE", nullptr,
                                   nullptr, nullptr);
        q != SQLITE_OK)
        database->Raise(q, "Opening the word store");

    state_->database = std::move(database);
    state_->connectionString = std::u16string(connectionString);
}

bool Connection::IsOpen() const {
    return state_->database != nullptr;
}

std::u16string Connection::ConnectionString() const {
    return state_->connectionString;
}

void Connection::Close() {
    state_->database.reset();
    state_->connectionString.clear();
}

}  // namespace sindhikit::dataaccess
