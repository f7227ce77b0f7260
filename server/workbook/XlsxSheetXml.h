// The XML of one worksheet part of an .xlsx package, made piece by piece while it is compressed.
#pragma once

#include "server/workbook/Sheet.h"
#include "server/workbook/XlsxStyleSheet.h"

#include <string>
#include <string_view>
#include <vector>

namespace server::workbook {

/// A sheet's worksheet XML in pieces of some tens of kilobytes, so that a sheet of a million rows is
/// never held as one string: the head (size, view, columns), the rows with their cells as inline
/// strings, then the merged ranges.
class XlsxSheetXml
{
public:
    /// selected: the sheet is the one shown when the workbook opens.
    XlsxSheetXml(const Sheet &sheet, const XlsxStyleSheet &styles, bool selected);

    /// Replaces out with the next piece; false once the whole part has been given.
    bool next(std::string *out);
    /// Starts again from the head.
    void rewind() { m_row = 0; }

private:
    void appendHead(std::string *out) const;
    void appendRow(int row, std::string *out) const;
    void appendTail(std::string *out) const;

    const Sheet &m_sheet;
    bool m_selected;
    std::vector<std::string> m_columnNames;
    // The cell format of each of the sheet's own styles: [2s] as it is, [2s+1] in a text column.
    std::vector<int> m_formats;
    // 0 before the head, then the next row to write, rowCount()+1 for the tail, beyond when done.
    int m_row = 0;
};

/// Appends text as the content of a <t> element: XML's special characters escaped, characters that
/// XML cannot hold as "_xHHHH_", and a literal "_xHHHH_" with its underscore escaped so that it
/// reads back as itself.
void appendXlsxText(std::string *out, std::string_view text);

/// The column's letters as a cell reference writes them: 1 is "A", 27 is "AA".
std::string columnLetters(int column);

} // namespace server::workbook
