// The management window's query and its actions, checked on whatever database the data module holds:
// the embedded file and PostgreSQL run the same cases.
#pragma once

#include "server/data/TDM.h"

namespace server::testing {

/// Every condition of the query, the typed texts that try to break out of their literals, the counts,
/// and the actions on all found rows. Expects an empty AdNotice.
void checkAdNoticeQueries(TDM &dm);

} // namespace server::testing
