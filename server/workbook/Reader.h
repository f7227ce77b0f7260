// Reading a workbook file: the texts of the cells of its first sheet, as a person sees them in Excel.
#pragma once

#include "server/workbook/SheetCells.h"

#include <QString>

namespace server::workbook {

/// Opens an .xls (BIFF8 or BIFF5 in a compound file) or .xlsx workbook, told apart by its first
/// bytes rather than its name, and
/// gives the text of each cell of its first sheet:
/// - a text cell as it is;
/// - a number as its digits, never with an exponent (a phone number 13800000000 stored as a
///   number reads "13800000000"), a fraction as its shortest decimal (12.5);
/// - a date-formatted number as "yyyy-mm-dd", "yyyy-mm-dd hh:mm:ss" when its format shows a time
///   too, or "hh:mm:ss" for a time alone;
/// - a boolean as "TRUE" or "FALSE", an error as Excel's error text ("#DIV/0!");
/// - a formula as its last computed value;
/// - an empty or missing cell, or one outside the sheet, as empty text.
/// Rows and columns count from 1. The whole sheet is read on open; the file is not kept open. Both
/// readers check every size, count and position a file gives and cap what they keep (SheetCells), so
/// that a damaged or hostile file ends in an error, never in a crash or an endless read.
class Reader
{
public:
    Reader() = default;

    /// Reads the workbook at path. False, with error() saying why, when the file cannot be read,
    /// is no workbook, or is damaged; the reader is then empty.
    bool open(const QString &path);
    /// The same from the bytes of a file (for tests and fuzzing).
    bool openData(const QByteArray &data);
    /// Forgets the sheet that was read.
    void close();

    /// Why the last open failed; empty after a successful one.
    const QString &error() const { return m_error; }

    /// The last row and the last column that hold a non-empty cell; 0 for an empty sheet.
    int rowCount() const { return static_cast<int>(m_cells.rowCount()); }
    int columnCount() const { return static_cast<int>(m_cells.columnCount()); }

    /// The text of cell (row, column) of the first sheet.
    QString text(int row, int column) const;
    /// The same as UTF-8, valid until the next open or close.
    std::string_view utf8(int row, int column) const;

private:
    bool openBytes(const QByteArray &head, const QString &path, const QByteArray *data);

    SheetCells m_cells;
    QString m_error;
};

} // namespace server::workbook
