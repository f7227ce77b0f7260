// A block of rows × columns of UTF-8 texts, handed to a sheet at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace server::workbook {

/// The texts of a block of cells, row by row, held in one buffer: the array a grid export fills with
/// up to a thousand records before it writes them to the sheet in one go.
class TextBlock
{
public:
    explicit TextBlock(int columns);

    /// The next cell: the cells fill a row from left to right, then the next row.
    void add(std::string_view text);
    /// A whole row; fewer texts than columns leave the rest empty, more are an error of the caller
    /// and are dropped.
    void addRow(std::initializer_list<std::string_view> texts);

    int columns() const { return m_columns; }
    /// The number of rows begun.
    int rows() const { return static_cast<int>((m_ends.size() + m_columns - 1) / m_columns); }
    /// The text of cell (row, column) counted from 0; empty beyond the cells added.
    std::string_view text(int row, int column) const;

    void clear();
    void reserve(int rows, int bytesPerCell);

private:
    int m_columns;
    std::string m_text;
    std::vector<std::uint32_t> m_ends;
};

} // namespace server::workbook
