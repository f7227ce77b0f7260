// One sheet being built: cells row by row in one text buffer, styles, columns and merged ranges.
#include "server/workbook/Sheet.h"

#include <QByteArray>

#include <algorithm>

namespace server::workbook {

namespace {

// Whether bytes are UTF-8; texts of ASCII only take the short way.
bool isUtf8(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        unsigned int code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= n)
            return false;
        for (int k = 1; k <= more; ++k) {
            const unsigned char f = static_cast<unsigned char>(text[i + k]);
            if ((f & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (f & 0x3F);
        }
        if ((more == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (more == 3 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

// UTF-16 code units of a UTF-8 text: one per character, two beyond the basic plane.
std::size_t utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) != 0x80)
            units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

} // namespace

Sheet::Sheet(QString name) : m_name(std::move(name)) {}

bool Sheet::check(int row, int column, const char *what)
{
    if (row >= 1 && row <= kMaxXlsxRows && column >= 1 && column <= kMaxXlsxColumns)
        return true;
    if (m_error.isEmpty())
        m_error = QStringLiteral("sheet %1: %2 at row %3, column %4 lies outside a sheet's %5 rows and %6 columns")
                      .arg(m_name, QLatin1StringView(what))
                      .arg(row)
                      .arg(column)
                      .arg(kMaxXlsxRows)
                      .arg(kMaxXlsxColumns);
    return false;
}

std::uint16_t Sheet::styleIndex(const CellStyle &style)
{
    const auto it = std::find(m_styles.begin(), m_styles.end(), style);
    if (it != m_styles.end())
        return static_cast<std::uint16_t>(it - m_styles.begin());
    if (m_styles.size() > 0xFFFF) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("sheet %1 has more than 65,536 cell styles").arg(m_name);
        return 0;
    }
    m_styles.push_back(style);
    return static_cast<std::uint16_t>(m_styles.size() - 1);
}

Sheet::Cell *Sheet::findOrInsert(int row, int column)
{
    if (static_cast<std::size_t>(row) > m_rows.size())
        m_rows.resize(static_cast<std::size_t>(row));
    m_columnCount = std::max(m_columnCount, column);
    std::vector<Cell> &cells = m_rows[static_cast<std::size_t>(row - 1)];
    const auto c = static_cast<std::uint16_t>(column - 1);
    if (cells.empty() || cells.back().column < c) {
        cells.push_back({c, 0, 0, 0});
        return &cells.back();
    }
    const auto it =
        std::lower_bound(cells.begin(), cells.end(), c, [](const Cell &a, std::uint16_t b) { return a.column < b; });
    if (it != cells.end() && it->column == c)
        return &*it;
    return &*cells.insert(it, Cell{c, 0, 0, 0});
}

void Sheet::store(int row, Cell *cell, std::string_view text)
{
    QByteArray repaired;
    if (!isUtf8(text)) {
        // Bytes that are no UTF-8 become replacement characters, so that every reader can read the file.
        repaired = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
        text = std::string_view(repaired.constData(), static_cast<std::size_t>(repaired.size()));
    }
    if (text.size() > static_cast<std::size_t>(kMaxCellCharacters) && utf16Length(text) > kMaxCellCharacters) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("sheet %1: a cell at row %2, column %3 holds more than %4 characters")
                          .arg(m_name)
                          .arg(row)
                          .arg(cell->column + 1)
                          .arg(kMaxCellCharacters);
        return;
    }
    cell->offset = m_text.size();
    cell->length = static_cast<std::uint32_t>(text.size());
    m_text.append(text);
}

void Sheet::setText(int row, int column, std::string_view text)
{
    if (!check(row, column, "a text"))
        return;
    if (text.empty() && this->text(row, column).empty())
        return;
    store(row, findOrInsert(row, column), text);
}

void Sheet::setCell(int row, int column, std::string_view text, const CellStyle &style)
{
    if (!check(row, column, "a cell"))
        return;
    Cell *cell = findOrInsert(row, column);
    cell->style = styleIndex(style);
    store(row, cell, text);
}

void Sheet::setStyle(int row, int column, const CellStyle &style)
{
    if (!check(row, column, "a style"))
        return;
    findOrInsert(row, column)->style = styleIndex(style);
}

void Sheet::writeBlock(int firstRow, const TextBlock &block, int firstColumn)
{
    if (block.rows() == 0)
        return;
    if (!check(firstRow, firstColumn, "a block") ||
        !check(firstRow + block.rows() - 1, firstColumn + block.columns() - 1, "a block"))
        return;
    for (int r = 0; r < block.rows(); ++r) {
        const int row = firstRow + r;
        for (int c = 0; c < block.columns(); ++c) {
            const std::string_view t = block.text(r, c);
            // An empty text leaves no cell behind, but empties one that held text.
            if (!t.empty() || !text(row, firstColumn + c).empty())
                store(row, findOrInsert(row, firstColumn + c), t);
        }
    }
}

void Sheet::setColumnWidth(int column, double width)
{
    if (!check(1, column, "a column width"))
        return;
    if (static_cast<std::size_t>(column) > m_columns.size())
        m_columns.resize(static_cast<std::size_t>(column));
    m_columns[static_cast<std::size_t>(column - 1)].width = std::clamp(width, 0.0, 255.0);
}

void Sheet::setColumnTextFormat(int column)
{
    if (!check(1, column, "a column format"))
        return;
    if (static_cast<std::size_t>(column) > m_columns.size())
        m_columns.resize(static_cast<std::size_t>(column));
    m_columns[static_cast<std::size_t>(column - 1)].text = true;
}

void Sheet::mergeCells(int row, int firstColumn, int lastColumn)
{
    if (lastColumn < firstColumn)
        std::swap(firstColumn, lastColumn);
    if (!check(row, firstColumn, "a merged range") || !check(row, lastColumn, "a merged range") ||
        firstColumn == lastColumn)
        return;
    for (const MergedRange &m : m_merged)
        if (m.row == row && m.firstColumn <= lastColumn && firstColumn <= m.lastColumn) {
            if (m_error.isEmpty())
                m_error = QStringLiteral("sheet %1: merged ranges overlap in row %2").arg(m_name).arg(row);
            return;
        }
    findOrInsert(row, firstColumn);
    m_merged.push_back({row, firstColumn, lastColumn});
}

void Sheet::setTitle(int row, int firstColumn, int lastColumn, std::string_view text, double fontSize)
{
    CellStyle style;
    style.bold = true;
    style.centred = true;
    style.fontSize = fontSize;
    setCell(row, firstColumn, text, style);
    mergeCells(row, firstColumn, lastColumn);
}

std::string_view Sheet::text(int row, int column) const
{
    if (row < 1 || static_cast<std::size_t>(row) > m_rows.size() || column < 1)
        return {};
    const std::vector<Cell> &cells = m_rows[static_cast<std::size_t>(row - 1)];
    const auto c = static_cast<std::uint16_t>(column - 1);
    const auto it =
        std::lower_bound(cells.begin(), cells.end(), c, [](const Cell &a, std::uint16_t b) { return a.column < b; });
    return it != cells.end() && it->column == c ? text(*it) : std::string_view();
}

CellStyle Sheet::savedStyle(const Cell &cell) const
{
    CellStyle style = m_styles[cell.style];
    if (cell.column < m_columns.size() && m_columns[cell.column].text)
        style.text = true;
    return style;
}

} // namespace server::workbook
