// Deleting the notice tasks inserted within a range of days, after two questions.
#pragma once

#include "server/data/TDM.h"
#include "server/settings/Dialogs.h"

#include <QString>

namespace server {

/// The insert times a deletion takes: from the start day "yyyy-mm-dd" up to and including the end
/// day's last second ("yyyy-mm-dd 23:59:59"), compared as text.
struct DeleteBounds
{
    QString from;
    QString to;
};
DeleteBounds deleteBounds(const QString &startDay, const QString &endDay);

/// The tasks the bounds take, of every status. Throws DatabaseError.
qlonglong countDeletable(TDM &dm, const DeleteBounds &bounds);
/// Deletes them in one transaction: a failure deletes nothing. Throws DatabaseError.
void deleteInserted(TDM &dm, const DeleteBounds &bounds);

/// The deletion as the operator meets it: the question with the two days, the count, the question
/// with the count (not asked when nothing is to be deleted), the deletion and its message. True when
/// tasks were deleted.
bool runDataDelete(TDM &dm, Dialogs &dialogs, const QString &startDay, const QString &endDay);

} // namespace server
