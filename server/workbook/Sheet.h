// One sheet of a workbook being built: its cells, their looks, its columns and merged ranges.
#pragma once

#include "server/workbook/TextBlock.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace server::workbook {

/// Excel's sheet sizes: an .xlsx sheet holds 1,048,576 rows and 16,384 columns, an .xls sheet
/// 65,536 rows and 256 columns. A caller exporting more rows goes on on a new sheet.
inline constexpr int kMaxSheetRows = 65536;
inline constexpr int kMaxXlsxRows = 1048576;
inline constexpr int kMaxXlsColumns = 256;
inline constexpr int kMaxXlsxColumns = 16384;
/// The most characters (UTF-16 code units) a cell holds.
inline constexpr int kMaxCellCharacters = 32767;

/// How a cell looks.
struct CellStyle
{
    bool bold = false;
    /// Centred horizontally and vertically.
    bool centred = false;
    /// The number format "@": what is typed into the cell stays text.
    bool text = false;
    /// The font size in points; 0 is the workbook's default font.
    double fontSize = 0;

    bool operator==(const CellStyle &) const = default;
};

/// The width and format of a column.
struct ColumnFormat
{
    /// Excel's column width: the number of "0" characters of the default font that fit.
    std::optional<double> width;
    /// Cells of the column have the number format "@".
    bool text = false;
};

/// A range of cells of one row shown as one cell; its first cell's text and style fill it.
struct MergedRange
{
    int row;
    int firstColumn;
    int lastColumn;
};

/// The contents of one sheet. Rows and columns count from 1. A call outside the sheet's size (the
/// .xlsx limits) is not carried out; the workbook reports the first such call when it saves.
class Sheet
{
public:
    /// One cell as held: its column, style and text in the sheet's text buffer.
    struct Cell
    {
        std::uint16_t column; // from 0
        std::uint16_t style;  // index in styles()
        std::uint32_t length;
        std::uint64_t offset;
    };

    explicit Sheet(QString name);

    const QString &name() const { return m_name; }

    /// Puts text into cell (row, column), keeping the cell's style.
    void setText(int row, int column, std::string_view text);
    /// Puts text into cell (row, column) with a style.
    void setCell(int row, int column, std::string_view text, const CellStyle &style);
    /// Gives cell (row, column) a style, keeping its text.
    void setStyle(int row, int column, const CellStyle &style);
    /// Writes a block of texts with its first cell at (firstRow, firstColumn), the way Excel's
    /// Range(…).Value takes a two-dimensional array. Empty texts leave their cells empty.
    void writeBlock(int firstRow, const TextBlock &block, int firstColumn = 1);

    /// A column's width in Excel's character units.
    void setColumnWidth(int column, double width);
    /// A column's number format "@" (text), given to every cell of the column when saved.
    void setColumnTextFormat(int column);

    /// Shows cells firstColumn to lastColumn of row as one.
    void mergeCells(int row, int firstColumn, int lastColumn);
    /// A title over columns firstColumn to lastColumn of row: merged, centred horizontally and
    /// vertically, bold, at the given font size.
    void setTitle(int row, int firstColumn, int lastColumn, std::string_view text, double fontSize);

    /// The last row and column holding a cell (0 for an empty sheet).
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return m_columnCount; }

    /// The cells of row (from 1), sorted by column.
    const std::vector<Cell> &cells(int row) const { return m_rows[static_cast<std::size_t>(row - 1)]; }
    std::string_view text(const Cell &cell) const { return std::string_view(m_text).substr(cell.offset, cell.length); }
    /// The text of cell (row, column), empty when it holds none.
    std::string_view text(int row, int column) const;
    const std::vector<CellStyle> &styles() const { return m_styles; }
    /// The column formats by column (from 0); columns beyond have none.
    const std::vector<ColumnFormat> &columns() const { return m_columns; }
    const std::vector<MergedRange> &mergedRanges() const { return m_merged; }

    /// The style a cell is saved with: its own, with the text format of its column.
    CellStyle savedStyle(const Cell &cell) const;

    /// The first call that could not be carried out, empty when there was none.
    const QString &error() const { return m_error; }

private:
    bool check(int row, int column, const char *what);
    std::uint16_t styleIndex(const CellStyle &style);
    Cell *findOrInsert(int row, int column);
    void store(int row, Cell *cell, std::string_view text);

    QString m_name;
    std::string m_text;
    std::vector<std::vector<Cell>> m_rows;
    std::vector<CellStyle> m_styles{CellStyle{}};
    std::vector<ColumnFormat> m_columns;
    std::vector<MergedRange> m_merged;
    int m_columnCount = 0;
    QString m_error;
};

} // namespace server::workbook
