// Writing a workbook as an .xls file: BIFF8 records in a compound file, written by hand.
#pragma once

#include "server/workbook/Sheet.h"

#include <QString>

#include <deque>

namespace common {
struct AtomicWriteOptions;
}

namespace server::workbook {

/// Writes the sheets as an Excel 97-2003 workbook to the file at path, beside it first and renamed
/// over it when complete (common::AtomicFile with options), so that a failed save leaves the file as it was. Texts
/// go to the shared string table, each cell a LABELSST record; styles become fonts and XF records,
/// column widths and text formats COLINFO records, merged ranges MERGEDCELLS. The sheets are those
/// Workbook::check accepts for .xls (at most 65,536 rows and 256 columns). False with error set
/// when writing fails.
bool writeXls(const std::deque<Sheet> &sheets, const QString &path, const common::AtomicWriteOptions &options,
              QString *error);

/// A column width in Excel's character units as BIFF's 1/256 of a character, padding included the
/// way Excel adds it (a width of 20 is 5303).
std::uint16_t biffColumnWidth(double width);

} // namespace server::workbook
