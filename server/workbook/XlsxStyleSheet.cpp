// styles.xml of a written .xlsx package: a font per distinct bold and size, a cell format per style.
#include "server/workbook/XlsxStyleSheet.h"

#include <algorithm>
#include <charconv>

namespace server::workbook {

namespace {

// Excel's default font; a style with fontSize 0 keeps its size.
constexpr double kDefaultFontSize = 11;

struct Font
{
    bool bold;
    double size;
    bool operator==(const Font &) const = default;
};

Font fontOf(const CellStyle &style)
{
    return {style.bold, style.fontSize > 0 ? std::clamp(style.fontSize, 1.0, 409.0) : kDefaultFontSize};
}

std::string number(double value)
{
    // Not printf: the program's locale may write a decimal comma.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

} // namespace

XlsxStyleSheet::XlsxStyleSheet(const std::deque<Sheet> &sheets)
{
    for (const Sheet &sheet : sheets) {
        const bool anyTextColumn = std::any_of(sheet.columns().begin(), sheet.columns().end(),
                                               [](const ColumnFormat &c) { return c.text; });
        for (CellStyle style : sheet.styles()) {
            add(style);
            if (anyTextColumn) {
                style.text = true;
                add(style);
            }
        }
    }
}

int XlsxStyleSheet::add(const CellStyle &style)
{
    const auto it = std::find(m_formats.begin(), m_formats.end(), style);
    if (it != m_formats.end())
        return static_cast<int>(it - m_formats.begin());
    m_formats.push_back(style);
    return static_cast<int>(m_formats.size() - 1);
}

int XlsxStyleSheet::formatOf(const CellStyle &style) const
{
    const auto it = std::find(m_formats.begin(), m_formats.end(), style);
    return it == m_formats.end() ? 0 : static_cast<int>(it - m_formats.begin());
}

std::string XlsxStyleSheet::xml() const
{
    std::vector<Font> fonts{fontOf(CellStyle{})};
    std::vector<std::size_t> fontOfFormat;
    for (const CellStyle &style : m_formats) {
        const Font f = fontOf(style);
        auto it = std::find(fonts.begin(), fonts.end(), f);
        if (it == fonts.end())
            it = fonts.insert(fonts.end(), f);
        fontOfFormat.push_back(static_cast<std::size_t>(it - fonts.begin()));
    }

    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    x += "<fonts count=\"" + std::to_string(fonts.size()) + "\">";
    for (const Font &f : fonts) {
        x += "<font>";
        if (f.bold)
            x += "<b/>";
        x += "<sz val=\"" + number(f.size) + "\"/><color theme=\"1\"/><name val=\"Calibri\"/><family val=\"2\"/>"
             "<scheme val=\"minor\"/></font>";
    }
    x += "</fonts>"
         "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
         "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
         "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
         "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>";
    x += "<cellXfs count=\"" + std::to_string(m_formats.size()) + "\">";
    for (std::size_t i = 0; i < m_formats.size(); ++i) {
        const CellStyle &s = m_formats[i];
        // 49 is Excel's built-in number format "@".
        x += "<xf numFmtId=\"" + std::string(s.text ? "49" : "0") + "\" fontId=\"" + std::to_string(fontOfFormat[i]) +
             "\" fillId=\"0\" borderId=\"0\" xfId=\"0\"";
        if (s.text)
            x += " applyNumberFormat=\"1\"";
        if (fontOfFormat[i] != 0)
            x += " applyFont=\"1\"";
        if (s.centred)
            x += " applyAlignment=\"1\"><alignment horizontal=\"center\" vertical=\"center\"/></xf>";
        else
            x += "/>";
    }
    x += "</cellXfs>"
         "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
         "<dxfs count=\"0\"/><tableStyles count=\"0\"/></styleSheet>";
    return x;
}

} // namespace server::workbook
