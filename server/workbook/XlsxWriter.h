// Writing a workbook as an .xlsx file: the package's parts, deflated by libzip, saved atomically.
#pragma once

#include "server/workbook/Sheet.h"

#include <QString>

#include <deque>

namespace common {
struct AtomicWriteOptions;
}

namespace server::workbook {

/// Writes the sheets as an Office Open XML workbook to the file at path: under a new name beside it,
/// then renamed over it once complete (common::AtomicFile with options), so that a failed save leaves
/// the file as it was. Cells are inline strings; each sheet's XML is made piece by piece while libzip
/// deflates it at its fastest level, so a large sheet is never held twice. False with error set when
/// the package cannot be made or the file cannot be written.
bool writeXlsx(const std::deque<Sheet> &sheets, const QString &path, const common::AtomicWriteOptions &options,
               QString *error);

} // namespace server::workbook
