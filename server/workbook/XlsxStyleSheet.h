// The cell formats of an .xlsx package being written: one per distinct cell style, and styles.xml.
#pragma once

#include "server/workbook/Sheet.h"

#include <deque>
#include <string>
#include <vector>

namespace server::workbook {

/// The cell formats (xf records) of the workbook: format 0 is the default look, and every other
/// distinct CellStyle of the sheets gets one of its own.
class XlsxStyleSheet
{
public:
    /// Gathers the styles of every sheet, with the text format of their columns where it applies.
    explicit XlsxStyleSheet(const std::deque<Sheet> &sheets);

    /// The cell format number of a style (0 for the default look).
    int formatOf(const CellStyle &style) const;

    /// The styles part: fonts, the cell formats in their order, and the Normal style.
    std::string xml() const;

private:
    int add(const CellStyle &style);

    std::vector<CellStyle> m_formats{CellStyle{}};
};

} // namespace server::workbook
