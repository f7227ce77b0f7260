// Compacting the embedded database file in place.
#pragma once

#include <QString>

namespace server {

/// Compacts the database file at path. A file closed cleanly is read as far as its schema; one that was
/// not (a crash left its log behind) has its integrity checked in full. When at least a tenth of its
/// pages are free (deleted rows), the whole file is checked, a compacted copy ("~CP…" beside it) is
/// written and put in its place with one atomic rename. False, with the file untouched, when the file
/// is missing, damaged or in use by another connection, or when any step fails. The password is
/// accepted for the callers' sake; the embedded database has none. When writeFailure is given, it says
/// whether a false result came from a write that failed (the file checked sound, the copy or the
/// folding of its log cut short by a full disk or a file size limit) rather than from damage.
bool CompactAccessDatabase(const QString &path, const QString &password, bool *writeFailure = nullptr);

} // namespace server
