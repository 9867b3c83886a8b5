// Connection: the stand-in for an ADO connection served by the Jet 4.0 provider.
// It opens a word store (an SQLite file) read-only from a connection string and is the
// active connection of the recordsets and commands below.
//
// Like the platform's objects, a Connection is a reference: copies share one open
// connection, which stays alive while any copy, recordset or command uses it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace sindhikit::dataaccess {

namespace detail {
struct ConnectionState;
}

class Connection {
 public:
    Connection();

    // Opens the store the connection string names (see ParseConnectionString), read-only;
    // user name and password must be empty, options -1 (unspecified). Before it returns it
    // makes sure the file is a whole SQLite database: a missing, empty, unreadable,
    // non-database or truncated file raises a DataError whose description names the file.
    // Opening a connection that is already open raises a DataError.
    void Open(std::u16string_view connectionString, std::u16string_view userId = u"",
              std::u16string_view password = u"", std::int32_t options = -1);

    bool IsOpen() const;
    // The connection string it was opened with (empty while closed).
    std::u16string ConnectionString() const;

    // Closes the connection (the program's StoreConnection is never closed). Recordsets
    // still open keep working until they are closed.
    void Close();

 private:
    friend class Recordset;
    friend class Command;
    std::shared_ptr<detail::ConnectionState> state_;
};

}  // namespace sindhikit::dataaccess
