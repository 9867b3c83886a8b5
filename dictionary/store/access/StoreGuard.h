// Internal to the data-access layer: the guard around a connection to a word store. A store
// is a file anyone may have written, and its stored queries are SQL the program runs, so the
// connection only reads, and reads only what a lookup needs (the values in StoreLimits.h).
#pragma once

#include "access/DatabaseState.h"

namespace sindhikit::dataaccess::detail {

// Sets up a connection just opened read-only on a store, before anything of the store is
// interpreted: SQLite's defensive settings, the limits, the process's heap limit, the
// authorizer that decides what a statement may do by where its SQL comes from, and the
// progress handler that stops a stored query past its time budget. Raises DataError if
// SQLite refuses a setting.
void GuardConnection(Database& database);

// The progress handler's view of a step: the run it counts time for (null for the program's
// own queries, which have no time budget) and when the step began.
void BeginStep(Database& database, const PooledStatement& statement);
void EndStep(Database& database, PooledStatement& statement);

}  // namespace sindhikit::dataaccess::detail
