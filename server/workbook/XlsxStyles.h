// Which cell formats of an .xlsx workbook show dates: its number formats and cell formats (styles.xml).
#pragma once

#include "server/workbook/CellText.h"
#include "server/workbook/ZipPart.h"

#include <vector>

namespace server::workbook {

/// The date kind of each cell format (the cellXfs list, indexed by a cell's s attribute), from the
/// custom number formats (numFmts) and Excel's built-in format ids. False with error set when the
/// styles part is damaged.
bool readCellFormatKinds(const ZipArchive &archive, const QString &stylesPart, std::vector<DateKind> *kinds,
                         QString *error);

} // namespace server::workbook
