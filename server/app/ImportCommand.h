// The import of notice tasks without a window, for scheduled intake: Server --dir DIR --import FILE.
#pragma once

#include <QString>

namespace server {

/// Imports FILE into the installation's database by the rules of the management window's import page
/// and prints a line per row that failed and a summary. The exit status: 0 when the file was read, 1
/// when it or the database cannot be read, 2 when the file is of a kind the import does not read.
int runImport(const QString &programDir, const QString &file, const QString &planNotice);

} // namespace server
