// The cells of a sheet that was read: their texts, found by row and column.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace server::workbook {

/// The texts of one sheet's cells in one block of UTF-8, with an index sorted by row and column.
/// Rows and columns count from 1. The sizes it accepts are capped, so that a hostile file cannot
/// make it take more memory than a large honest one.
class SheetCells
{
public:
    /// At most this many bytes of text and this many non-empty cells (a full 65,536 × 256 .xls
    /// sheet is 16.8 million cells).
    static constexpr std::size_t kMaxTextBytes = std::size_t{256} << 20;
    static constexpr std::size_t kMaxCells = 65536 * 256;

    /// Keeps text for later cells (a shared string, say); false when the text cap is reached.
    /// The result's offset goes to addCell.
    bool keepText(std::string_view text, std::uint32_t *offset);
    /// The cell (row, column) shows the kept text at offset with the given length. A later cell at
    /// the same place replaces an earlier one. False when the cell cap is reached.
    bool addCell(std::uint32_t row, std::uint32_t column, std::uint32_t offset, std::uint32_t length);
    /// keepText and addCell in one; empty texts are not kept.
    bool addCell(std::uint32_t row, std::uint32_t column, std::string_view text);
    /// Sorts the index and drops replaced cells; call once after the last addCell.
    void finish();

    /// The text of cell (row, column); empty for a cell that holds nothing.
    std::string_view text(std::uint32_t row, std::uint32_t column) const;
    /// The last row and column that hold a non-empty text; 0 for an empty sheet.
    std::uint32_t rowCount() const { return m_rows; }
    std::uint32_t columnCount() const { return m_columns; }
    std::size_t cellCount() const { return m_cells.size(); }
    std::string_view keptText(std::uint32_t offset, std::uint32_t length) const
    {
        return std::string_view(m_text).substr(offset, length);
    }

    void clear();

private:
    struct Cell
    {
        std::uint32_t row;
        std::uint32_t column;
        std::uint32_t offset;
        std::uint32_t length;
    };
    std::string m_text;
    std::vector<Cell> m_cells;
    std::uint32_t m_rows = 0;
    std::uint32_t m_columns = 0;
    bool m_sorted = true;
};

} // namespace server::workbook
