// A block of texts: one buffer and the end of each cell in it.
#include "server/workbook/TextBlock.h"

#include <algorithm>

namespace server::workbook {

TextBlock::TextBlock(int columns) : m_columns(std::max(columns, 1)) {}

void TextBlock::add(std::string_view text)
{
    m_text.append(text);
    m_ends.push_back(static_cast<std::uint32_t>(m_text.size()));
}

void TextBlock::addRow(std::initializer_list<std::string_view> texts)
{
    int n = 0;
    for (const std::string_view t : texts)
        if (n++ < m_columns)
            add(t);
    for (; n < m_columns; ++n)
        add({});
}

std::string_view TextBlock::text(int row, int column) const
{
    if (row < 0 || column < 0 || column >= m_columns)
        return {};
    const std::size_t index = static_cast<std::size_t>(row) * m_columns + column;
    if (index >= m_ends.size())
        return {};
    const std::uint32_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_text).substr(begin, m_ends[index] - begin);
}

void TextBlock::clear()
{
    m_text.clear();
    m_ends.clear();
}

void TextBlock::reserve(int rows, int bytesPerCell)
{
    const std::size_t cells = static_cast<std::size_t>(std::max(rows, 0)) * m_columns;
    m_ends.reserve(cells);
    m_text.reserve(cells * static_cast<std::size_t>(std::max(bytesPerCell, 0)));
}

} // namespace server::workbook
