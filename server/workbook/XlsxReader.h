// Reading the first sheet of an .xlsx workbook: libzip for the package, QXmlStreamReader for its parts.
#pragma once

#include "server/workbook/SheetCells.h"
#include "server/workbook/ZipPart.h"

#include <QString>

namespace server::workbook {

/// The largest first-sheet and shared-strings parts read, once inflated.
inline constexpr qint64 kMaxSheetPartBytes = qint64{1} << 30;
inline constexpr qint64 kMaxSharedStringsBytes = qint64{512} << 20;

/// Reads the cells of the first sheet of the workbook in archive into cells. False with error set
/// when the package holds no workbook or one of its parts is damaged.
bool readXlsx(const ZipArchive &archive, SheetCells &cells, QString *error);

/// A cell reference such as "AB12" as its row and column (from 1); false for anything else.
bool parseCellReference(QStringView reference, std::uint32_t *row, std::uint32_t *column);

/// Undoes the _xHHHH_ escapes by which the package writes characters XML cannot hold ("_x000D_" is
/// a carriage return, "_x005F_" an underscore).
QString unescapeXmlString(const QString &text);

} // namespace server::workbook
