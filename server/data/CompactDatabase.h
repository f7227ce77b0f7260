// Compacting the embedded database file in place.
#pragma once

#include <QString>

namespace server {

/// Compacts the database file at path: checks its integrity, writes a compacted copy ("~CP…" beside
/// it) and puts the copy in its place with one atomic rename. False, with the file untouched, when the
/// file is missing, damaged or in use by another connection, or when any step fails. The password is
/// accepted for the callers' sake; the embedded database has none.
bool CompactAccessDatabase(const QString &path, const QString &password);

} // namespace server
