// The blacklist, statistics and deletion windows driven as an operator drives them, on whatever
// database the data module holds: the embedded file and PostgreSQL run the same cases. Each expects
// empty tables and a data module on which no statistics ran yet.
#pragma once

#include <QString>

namespace server {
class TDM;
}

namespace server::testing {

/// folder: where the workbooks of the case are written. picture: the name of the window's picture,
/// or nullptr for none.
void checkForbidTelWindow(TDM &dm, const QString &folder, const char *picture);
void checkDataStatWindow(TDM &dm, const char *picture);
void checkDataDeleteWindow(TDM &dm, const char *picture);

} // namespace server::testing
