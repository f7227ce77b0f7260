// The database of an installation as a command without a window opens it.
#pragma once

#include "server/data/TDM.h"
#include "server/settings/Settings.h"

#include <QString>

namespace server {

/// Reads the settings of the program directory and connects to their database, without the
/// compaction and the reset of a service start, since the service may hold the database as well.
/// False with error set (the settings or the database) when either fails.
bool openCommandDatabase(const QString &programDir, Settings &settings, TDM &dm, QString *error);

} // namespace server
