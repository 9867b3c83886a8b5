// Internal to the data-access layer: the file system a word store is opened through.
#pragma once

namespace sindhikit::dataaccess::detail {

// The name of an SQLite VFS (registered on first use) that opens a database's own file,
// read-only, and nothing else: no journal, write-ahead log, shared-memory or temporary file
// is ever created, opened or deleted beside it, and none that exists there is seen. SQLite
// reads a word store whole from its one file, so nothing is lost; a store's folder is never
// written to, whatever the file's header says.
const char* StoreVfsName();

}  // namespace sindhikit::dataaccess::detail
