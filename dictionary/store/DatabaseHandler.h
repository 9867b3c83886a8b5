// DatabaseHandler: the program's one connection to its word store.
#pragma once

#include <string>
#include <string_view>

#include "access/Connection.h"

namespace sindhikit {

// The one read-only connection every query uses. Opened once by ConnectStore (or
// ConnectStoreAt), never closed; it ends with the process.
extern dataaccess::Connection StoreConnection;

// The program's connection string for a store in folder: exactly
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder + "\directodb.dll" +
// ";Mode=Read;Persist Security Info=False".
std::u16string StoreConnectionString(std::u16string_view windowsFolder);

// The same grammar for a store file named by its path (native builds, --store); the path
// is quoted when it holds ';', quotes or surrounding spaces, so any path reads back whole.
std::u16string StoreConnectionStringForPath(std::u16string_view storePath);

#ifdef _WIN32
// Opens StoreConnection on the program's store, directodb.dll in the Windows folder
// (StorePathInWindowsFolder). Failures (store missing,
// unreadable, not a store) are raised to the caller as dataaccess::DataError.
void ConnectStore();
#endif

// Opens StoreConnection on the store file at storePath (native builds have no Windows
// folder). Raises dataaccess::DataError on failure; StoreConnection then stays closed
// and a later call may try again. Calling it while StoreConnection is open raises
// NotAllowed: the connection is opened once.
void ConnectStoreAt(std::u16string_view storePath);

}  // namespace sindhikit
