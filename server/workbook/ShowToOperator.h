// Handing a workbook to the operator: written to a temporary file and opened in the spreadsheet program.
#pragma once

#include "server/workbook/Workbook.h"

#include <QString>
#include <QStringList>

namespace server::workbook {

/// The environment variable that names the program opening a workbook in place of the desktop's:
/// a command line whose words are split at blanks, double quotes keeping words together, and run
/// with the file's path as its last argument. Set and empty, it means that no spreadsheet program
/// is installed. Tests use it to watch the hand-over.
inline constexpr char kOpenerVariable[] = "VN_SPREADSHEET_OPENER";

/// The command that opens a workbook for the operator (program and arguments, the file to be
/// appended), or an empty list when there is none: VN_SPREADSHEET_OPENER when it is set;
/// otherwise xdg-open, when it is installed and the desktop has an application for .xlsx files.
QStringList spreadsheetOpener();

/// Whether a workbook can be shown to the operator at all, before one is built.
inline bool spreadsheetProgramInstalled()
{
    return !spreadsheetOpener().isEmpty();
}

/// Writes the workbook as .xlsx under a new name in the user's temporary folder and opens it in
/// the spreadsheet program, started on its own so that this thread goes on at once; the operator
/// saves it where they like. False, with error set, when there is no spreadsheet program (the
/// caller then shows its "not installed" message), when the file cannot be written, or when the
/// program cannot be started. path, when given, receives the file written.
bool showToOperator(const Workbook &workbook, QString *error = nullptr, QString *path = nullptr);

} // namespace server::workbook
