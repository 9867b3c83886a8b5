#include "access/Connection.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "Utf8.h"
#include "access/ConnectionString.h"
#include "access/DatabaseState.h"
#include "access/StoreGuard.h"
#include "access/StoreVfs.h"

namespace sindhikit::dataaccess {

namespace {

std::uint32_t BigEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
    return value;
}

// Makes sure the file SQLite has just opened is one whole database in a single file, before
// SQLite interprets any of it. Its size and header are read from that open file, the one
// every later read comes from: a store replaced by rename meanwhile (what the store builder
// does) is seen either whole as it was or not at all, never as a size of one and a header of
// the other.
void VerifyWholeDatabase(detail::Database& database) {
    const std::string where = "'" + database.displayPath + "'";
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(database.db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        throw DataError(ErrorNumber::Unspecified, "Cannot read the word store " + where);
    sqlite3_int64 size = 0;
    if (const int rc = file->pMethods->xFileSize(file, &size); rc != SQLITE_OK)
        database.Raise(rc, "Opening the word store");
    if (size == 0)
        throw DataError(ErrorNumber::Unspecified, "The word store " + where + " is empty (0 bytes): not a database");

    unsigned char header[100] = {};
    const int read = file->pMethods->xRead(file, header, sizeof header, 0);
    if (read != SQLITE_OK && read != SQLITE_IOERR_SHORT_READ) database.Raise(read, "Opening the word store");
    static constexpr char kMagic[] = "SQLite format 3";  // with its NUL: 16 bytes
    if (read == SQLITE_IOERR_SHORT_READ || std::memcmp(header, kMagic, sizeof kMagic) != 0)
        throw DataError(ErrorNumber::Unspecified,
                        "Unrecognized database format " + where + ": the file is not a word store");
    const std::uint32_t pageSize = header[16] == 0 && header[17] == 1 ? 65536u : BigEndian(header + 16, 2);
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        throw DataError(ErrorNumber::Unspecified, "Unrecognized database format " + where + ": page size " +
                                                      std::to_string(pageSize) + " is not one SQLite writes");
    // Bytes 18 and 19: 1 for a rollback journal, 2 for a write-ahead log. A store is read from
    // its one file; a log beside it would be another file to trust (and SQLite would create one).
    if (header[18] != 1 || header[19] != 1)
        throw DataError(ErrorNumber::Unspecified,
                        "Unrecognized database format " + where +
                            ": it is kept with a write-ahead log; a word store is one self-contained file");
    // The page count in the header counts only when the header says it is current (the
    // change counter equals the version it is valid for); otherwise SQLite goes by the size.
    const std::uint32_t headerPages = BigEndian(header + 28, 4);
    const bool countValid = headerPages != 0 && BigEndian(header + 24, 4) == BigEndian(header + 92, 4);
    const auto fileSize = static_cast<std::uint64_t>(size);
    const std::uint64_t pages = countValid ? headerPages : fileSize / pageSize;
    if (fileSize % pageSize != 0 || fileSize < pages * pageSize)
        throw DataError(ErrorNumber::Unspecified, "The word store " + where + " is truncated: it holds " +
                                                      std::to_string(fileSize) + " bytes, its header promises " +
                                                      std::to_string(pages) + " pages of " + std::to_string(pageSize) +
                                                      " bytes");
}

// The store's own tables, the only ones its stored queries may read. Reading them also makes
// SQLite read the schema now, so a damaged one fails here rather than at the first lookup.
void ReadOwnTables(detail::Database& database) {
    detail::PooledStatement statement(database.shared_from_this(),
                                      database.PoolFor(u"SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (statement.Step()) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(statement.stmt, 0));
        std::string lower = name ? name : "";
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
        // SQLite's own tables (sqlite_sequence, sqlite_stat1, ...) are not the store's.
        if (lower.rfind("sqlite_", 0) != 0) database.ownTables.push_back(std::move(lower));
    }
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
    // A pipe or a device would block the open or never end; a store is a file.
    if (!std::filesystem::is_regular_file(status))
        throw DataError(ErrorNumber::Unspecified, "'" + database->displayPath +
                                                      "' is not a regular file (a device, pipe or socket): not a "
                                                      "word store");

    const char* vfs = detail::StoreVfsName();
    if (!vfs) throw DataError(ErrorNumber::Unspecified, "Cannot set up reading of word stores");
    // SQLite gets the absolute path: the name is taken literally (never ":memory:", never a
    // URI), and the file is opened read-only through a VFS that opens nothing else.
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string openPath = Utf16ToUtf8((ec ? path : absolute).u16string());
    const int rc = sqlite3_open_v2(openPath.c_str(), &database->db, SQLITE_OPEN_READONLY, vfs);
    if (rc != SQLITE_OK) database->Raise(rc, "Opening the word store");
    sqlite3_extended_result_codes(database->db, 1);
    VerifyWholeDatabase(*database);
    detail::GuardConnection(*database);
    ReadOwnTables(*database);

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
