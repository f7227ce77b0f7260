// The blacklist, statistics and deletion statements, checked on whatever database the data module
// holds: the embedded file and PostgreSQL run the same cases. Each expects empty tables.
#pragma once

#include "server/data/TDM.h"

namespace server::testing {

/// The blacklist's workbook rows and its row statements.
void checkBlacklistStatements(TDM &dm);
/// The statistics: the bounds, the untouched tasks whatever their days, the kept row, a failed run.
void checkDataStat(TDM &dm);
/// The deletion: its bounds, its two questions and messages, a failure that deletes nothing.
void checkDataDelete(TDM &dm);

} // namespace server::testing
