// The statistics without a window: Server --dir DIR --report --from DAY --to DAY.
#pragma once

#include <QString>

namespace server {

/// Prints the counts of the statistics window for the days from to to ("yyyy-mm-dd"; an empty one is
/// today), counted with the same statements and bounds, one "title<TAB>count" line each. Nothing is
/// written to the database. The exit status: 0 when counted, 1 when the settings or the database
/// cannot be read, 2 when the start lies after the end.
int runStatReport(const QString &programDir, const QString &from, const QString &to, const QString &today);

} // namespace server
