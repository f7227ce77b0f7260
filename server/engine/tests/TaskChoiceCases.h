// The dispatcher's choice of task against the queries that define it, on mixes of tasks with ties;
// shared by the embedded database and PostgreSQL.
#pragma once

#include "server/data/TDM.h"
#include "server/engine/ServerEngine.h"

namespace server::testing {

/// Fills AdNotice with mixes of statuses, counts, due times and random keys, many of them equal, and
/// checks that the dispatcher's queries take the same tasks in the same order as the defining queries
/// with their ties broken by due time and ID, until nothing is left to take.
void checkTaskChoice(TDM &dm, ServerEngine &engine);

} // namespace server::testing
