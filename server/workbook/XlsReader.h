// Reading the first sheet of an .xls workbook: BIFF8 (Excel 97 and later) or BIFF5 (Excel 5 and 95)
// records in a compound file.
#pragma once

#include "server/workbook/SheetCells.h"

#include <QByteArray>
#include <QString>

namespace server::workbook {

/// The largest .xls file read; it is read whole.
inline constexpr qint64 kMaxXlsBytes = qint64{256} << 20;

/// Reads the cells of the first worksheet of the .xls file held in file into cells: texts (shared,
/// inline and rich), numbers (NUMBER, RK, MULRK), booleans and errors, and the last computed value
/// of formulas, numbers shown as dates by their cell formats. False with error set when the file is
/// no BIFF5 or BIFF8 workbook, is protected by a password, or is truncated or damaged; every count,
/// length and position it holds is checked against the data.
bool readXls(const QByteArray &file, SheetCells &cells, QString *error);

} // namespace server::workbook
