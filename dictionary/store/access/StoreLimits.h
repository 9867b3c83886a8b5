// What a word store may ask of the program that opens it. A store is a file anyone may have
// written, and it carries SQL of its own (the stored queries), so the connection bounds what
// that SQL may touch and how much time and memory it may take; a query that goes past a
// bound stops with a DataError (ResourceLimit) that names the bound.
//
// The values are generous for real use and tight for abuse. A lookup on a store of a
// million headwords reads a few index pages and answers in tens of microseconds, returns at
// most a few hundred rows of short text, and SQLite needs a few MiB for it (page cache,
// schema, statements). A query that runs away (an endless recursion, a cross join of the
// store's tables, a value built up to gigabytes) is stopped within half a second.
#pragma once

#include <chrono>
#include <cstdint>

namespace sindhikit::dataaccess {

// Time one run of a stored query may spend inside SQLite, summed over its steps: a caller
// that pauses between rows spends none of it. Half a second is thousands of times what an
// indexed lookup takes and still covers a full scan of a million-row table.
inline constexpr std::chrono::milliseconds StoredQueryTimeBudget{500};

// Rows and bytes of text (as stored) one run of a stored query may return: the meanings or
// definitions of one word. Real words have at most a few hundred rows; the word with the most
// senses in WordNet has definitions of about 25 KB enciphered.
inline constexpr std::int64_t StoredQueryRowBudget = 100'000;
inline constexpr std::int64_t StoredQueryByteBudget = std::int64_t{4} << 20;

// The program's own queries (the headword lists, the store checker's queries) have no time
// or row budget: the headword walk of a large store returns every headword, one row at a
// time between which the program yields to the user, and the checker reads the whole file.
// Their work grows with the file, not with anything a store's SQL can ask for.

// Memory SQLite may hold in the process (page cache, schema, statements, sorting), as
// sqlite3_hard_heap_limit64 sets it. It is the process's limit, set when the first store is
// opened: the kit's programs open one store each.
inline constexpr std::int64_t SqliteHeapLimit = std::int64_t{64} << 20;

// The longest value (text or blob, also a row) SQLite will make or read: the longest text the
// store builder writes is a 64 KiB source line enciphered, 192 KiB.
inline constexpr int ValueLengthLimit = 1 << 20;

// The longest SQL text of a query; the store builder's stored queries have under 100 bytes.
inline constexpr int SqlLengthLimit = 16 << 10;

}  // namespace sindhikit::dataaccess
