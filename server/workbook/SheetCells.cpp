// The cells of a sheet that was read: one block of text and a sorted index.
#include "server/workbook/SheetCells.h"

#include <algorithm>

namespace server::workbook {

bool SheetCells::keepText(std::string_view text, std::uint32_t *offset)
{
    if (text.size() > kMaxTextBytes - m_text.size())
        return false;
    *offset = static_cast<std::uint32_t>(m_text.size());
    m_text.append(text);
    return true;
}

bool SheetCells::addCell(std::uint32_t row, std::uint32_t column, std::uint32_t offset, std::uint32_t length)
{
    if (length == 0)
        return true;
    if (m_cells.size() >= kMaxCells)
        return false;
    const Cell cell{row, column, offset, length};
    if (!m_cells.empty()) {
        const Cell &last = m_cells.back();
        if (row < last.row || (row == last.row && column <= last.column))
            m_sorted = false;
    }
    m_cells.push_back(cell);
    m_rows = std::max(m_rows, row);
    m_columns = std::max(m_columns, column);
    return true;
}

bool SheetCells::addCell(std::uint32_t row, std::uint32_t column, std::string_view text)
{
    if (text.empty())
        return true;
    std::uint32_t offset = 0;
    return keepText(text, &offset) && addCell(row, column, offset, static_cast<std::uint32_t>(text.size()));
}

void SheetCells::finish()
{
    if (m_sorted)
        return;
    // A stable sort keeps cells of one place in the order they came, so the last one wins.
    std::stable_sort(m_cells.begin(), m_cells.end(),
                     [](const Cell &a, const Cell &b) { return a.row != b.row ? a.row < b.row : a.column < b.column; });
    std::vector<Cell> unique;
    unique.reserve(m_cells.size());
    for (const Cell &c : m_cells) {
        if (!unique.empty() && unique.back().row == c.row && unique.back().column == c.column)
            unique.back() = c;
        else
            unique.push_back(c);
    }
    m_cells.swap(unique);
    m_sorted = true;
}

std::string_view SheetCells::text(std::uint32_t row, std::uint32_t column) const
{
    const auto it =
        std::lower_bound(m_cells.begin(), m_cells.end(), Cell{row, column, 0, 0}, [](const Cell &a, const Cell &b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
    if (it == m_cells.end() || it->row != row || it->column != column)
        return {};
    return std::string_view(m_text).substr(it->offset, it->length);
}

void SheetCells::clear()
{
    m_text.clear();
    m_text.shrink_to_fit();
    m_cells.clear();
    m_cells.shrink_to_fit();
    m_rows = 0;
    m_columns = 0;
    m_sorted = true;
}

} // namespace server::workbook
