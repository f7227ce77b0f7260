// The parts of an .xlsx package that lead to its first sheet: relationships and the workbook part.
#pragma once

#include "server/workbook/ZipPart.h"

#include <QString>

namespace server::workbook {

/// Where the first sheet, the shared strings and the styles of a workbook are, and its date system.
struct XlsxParts
{
    QString sheet;         ///< the first sheet's member name, "xl/worksheets/sheet1.xml"
    QString sharedStrings; ///< empty when the workbook has none
    QString styles;        ///< empty when the workbook has none
    bool date1904 = false;
};

/// Follows the package's relationships from _rels/.rels to the workbook part and from the workbook's
/// own relationships to its first sheet (the first in the workbook's list of sheets). False with
/// error set when the package has no workbook or the workbook no sheet.
bool findXlsxParts(const ZipArchive &archive, XlsxParts *parts, QString *error);

/// A relationship target resolved against the folder of the part that names it ("xl/workbook.xml"
/// and "worksheets/sheet1.xml" give "xl/worksheets/sheet1.xml"; a target starting with "/" is taken
/// from the package's root).
QString resolvePartName(const QString &sourcePart, const QString &target);

} // namespace server::workbook
