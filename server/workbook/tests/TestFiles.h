// Test helpers: temporary folders, zip packages made by hand, and the sample export workbook.
#pragma once

#include "server/workbook/Workbook.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

namespace server::workbook::testing {

/// Rows of cell texts, row 1 first; a missing cell is an empty text.
using Grid = std::vector<std::vector<std::string>>;

/// The text of cell (row, column), counted from 1, of a grid.
std::string cellOf(const Grid &grid, int row, int column);

/// A folder under the temporary folder, removed at the end.
class TempDir
{
public:
    TempDir();
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString path() const { return m_dir.path(); }
    /// Names of the files in the folder, hidden ones included.
    QStringList files() const;

private:
    QTemporaryDir m_dir;
};

/// A zip archive of the given members, in that order.
QByteArray makeZip(const std::vector<std::pair<QString, QByteArray>> &members);

/// An .xlsx package around a sheet's XML (the part's root element and all), with optional shared
/// strings and styles parts, and a workbook part that may be given too.
QByteArray makeXlsx(const QByteArray &sheetXml, const QByteArray &sharedStringsXml = {},
                    const QByteArray &stylesXml = {}, const QByteArray &workbookXml = {});

/// sheetData element contents inside a worksheet element with the main namespace.
QByteArray worksheet(const QByteArray &sheetData);

/// The cells of the first sheet of an .xls file as FreeXL, a reader of other people's, reads them
/// (texts as they are, numbers as %.0f or %g); an empty grid with error set when it cannot.
Grid readWithFreeXL(const QString &path, std::string *error);

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

/// The export every round trip writes: a merged bold title over columns 1 to 4 at size 16, an
/// empty row, bold headers in row 3, then records in three blocks with leading zeros, long digit
/// strings, Chinese text, an empty cell, a comma, quotes and a line break, a long text, a
/// character beyond the basic plane and a literal "_x0041_". Columns have widths, column 2 the
/// text format.
Workbook sampleWorkbook();
/// What every reader must see in the sample.
Grid sampleTexts();

} // namespace server::workbook::testing
