// The .xls writer: the workbook globals and one substream per sheet, then the compound file around them.
#include "server/workbook/XlsWriter.h"

#include "server/workbook/CompoundFile.h"
#include "server/workbook/SharedStringTable.h"

#include "common/AtomicFile.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace server::workbook {

namespace {

// Record types.
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kCodepage = 0x0042;
constexpr std::uint16_t kDate1904 = 0x0022;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kDefColWidth = 0x0055;
constexpr std::uint16_t kColInfo = 0x007D;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kWindow2 = 0x023E;
constexpr std::uint16_t kMergedCells = 0x00E5;

// XF 0 to 14 are style XFs, 15 the default cell XF; the workbook's own cell XFs follow.
constexpr std::uint16_t kDefaultCellXf = 15;
constexpr std::uint16_t kFirstOwnXf = 16;
// Built-in number format 49 is "@".
constexpr std::uint16_t kTextFormat = 49;
constexpr double kDefaultColumnWidth = 8.43;
constexpr std::size_t kMergedPerRecord = 1026;

class Bytes
{
public:
    explicit Bytes(std::vector<std::uint8_t> &out) : m_out(out) {}

    void u8(std::uint32_t v) { m_out.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void begin(std::uint16_t type)
    {
        m_start = m_out.size();
        u16(type);
        u16(0);
    }
    void end()
    {
        const std::size_t length = m_out.size() - m_start - 4;
        m_out[m_start + 2] = static_cast<std::uint8_t>(length);
        m_out[m_start + 3] = static_cast<std::uint8_t>(length >> 8);
    }
    // A BIFF8 string with an 8-bit (sheet and font names) or 16-bit character count.
    void string(const QString &text, bool shortCount)
    {
        std::vector<std::uint16_t> units;
        const QByteArray utf8 = text.toUtf8();
        const bool compressed = toBiffCharacters(std::string_view(utf8.constData(), utf8.size()), &units);
        if (shortCount)
            u8(static_cast<std::uint32_t>(units.size()));
        else
            u16(static_cast<std::uint32_t>(units.size()));
        u8(compressed ? 0 : 1);
        for (const std::uint16_t c : units) {
            if (compressed)
                u8(c);
            else
                u16(c);
        }
    }
    std::size_t size() const { return m_out.size(); }
    std::vector<std::uint8_t> &data() { return m_out; }

private:
    std::vector<std::uint8_t> &m_out;
    std::size_t m_start = 0;
};

void bof(Bytes &b, std::uint16_t kind)
{
    b.begin(kBof);
    b.u16(0x0600); // BIFF8
    b.u16(kind);   // 0x0005 workbook globals, 0x0010 worksheet
    b.u16(0x0DBB); // build
    b.u16(0x07CC); // year
    b.u32(0x00000041);
    b.u32(0x00000006); // lowest BIFF version that can read the file: 8
    b.end();
}

void simple16(Bytes &b, std::uint16_t type, std::uint16_t value)
{
    b.begin(type);
    b.u16(value);
    b.end();
}

void eof(Bytes &b)
{
    b.begin(kEof);
    b.end();
}

struct Font
{
    bool bold;
    double size; // points, 0 for the default

    bool operator==(const Font &) const = default;
};

// The fonts and cell XFs of the workbook, collected while the sheets are written.
class Formats
{
public:
    std::uint16_t xf(const CellStyle &style)
    {
        if (style == CellStyle{})
            return kDefaultCellXf;
        for (std::size_t i = 0; i < m_xfs.size(); ++i)
            if (m_xfs[i] == style)
                return static_cast<std::uint16_t>(kFirstOwnXf + i);
        m_xfs.push_back(style);
        fontIndex({style.bold, style.fontSize});
        return static_cast<std::uint16_t>(kFirstOwnXf + m_xfs.size() - 1);
    }

    void write(Bytes &b)
    {
        // Fonts 0 to 3 are the default font; there is no font 4; the workbook's own fonts follow.
        for (int i = 0; i < 4; ++i)
            writeFont(b, Font{false, 0});
        for (const Font &f : m_fonts)
            writeFont(b, f);
        writeXf(b, 0, 0, 0xFFF5, 0x20, 0x00); // the Normal style
        for (int i = 1; i < 15; ++i)
            writeXf(b, 0, 0, 0xFFF5, 0x20, 0xF4);
        writeXf(b, 0, 0, 0x0001, 0x20, 0x00); // the default cell format
        for (const CellStyle &s : m_xfs) {
            const std::uint16_t font = fontIndex({s.bold, s.fontSize});
            // Horizontal centre (2) and vertical centre (1), else the default bottom alignment.
            const std::uint8_t alignment = s.centred ? 0x12 : 0x20;
            // A cell XF names every attribute as its own rather than its style's.
            writeXf(b, font, s.text ? kTextFormat : 0, 0x0001, alignment, 0xFC);
        }
        b.begin(kStyle);
        b.u16(0x8000); // built-in style for XF 0
        b.u8(0);       // Normal
        b.u8(0xFF);
        b.end();
    }

private:
    std::uint16_t fontIndex(const Font &font)
    {
        if (font == Font{false, 0})
            return 0;
        for (std::size_t i = 0; i < m_fonts.size(); ++i)
            if (m_fonts[i] == font)
                return static_cast<std::uint16_t>(5 + i);
        m_fonts.push_back(font);
        return static_cast<std::uint16_t>(5 + m_fonts.size() - 1);
    }

    static void writeFont(Bytes &b, const Font &f)
    {
        b.begin(kFont);
        const double points = f.size > 0 ? f.size : 10.0;
        b.u16(static_cast<std::uint32_t>(std::lround(std::clamp(points, 1.0, 409.0) * 20))); // twips
        b.u16(0);                  // not italic, not struck out
        b.u16(0x7FFF);             // automatic colour
        b.u16(f.bold ? 700 : 400); // weight
        b.u16(0);                  // no super- or subscript
        b.u8(0);                   // no underline
        b.u8(0);                   // family
        b.u8(0);                   // character set
        b.u8(0);
        b.string(QStringLiteral("Arial"), true);
        b.end();
    }

    static void writeXf(Bytes &b, std::uint16_t font, std::uint16_t format, std::uint16_t flags, std::uint8_t alignment,
                        std::uint8_t used)
    {
        b.begin(kXf);
        b.u16(font);
        b.u16(format);
        b.u16(flags);
        b.u8(alignment);
        b.u8(0); // rotation
        b.u8(0); // indent, shrink, reading order
        b.u8(used);
        b.u32(0);      // borders
        b.u32(0);      // border colours, no fill pattern
        b.u16(0x20C0); // pattern colours: automatic
        b.end();
    }

    std::vector<Font> m_fonts;
    std::vector<CellStyle> m_xfs;
};

// One sheet's substream; its texts go to the shared string table.
void writeSheet(const Sheet &sheet, bool first, Formats &formats, SharedStringTable &strings,
                std::vector<std::uint8_t> &out)
{
    Bytes b(out);
    bof(b, 0x0010);
    simple16(b, kDefColWidth, 8);
    const std::vector<ColumnFormat> &columns = sheet.columns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (!columns[c].width && !columns[c].text)
            continue;
        CellStyle text;
        text.text = true;
        b.begin(kColInfo);
        b.u16(static_cast<std::uint32_t>(c));
        b.u16(static_cast<std::uint32_t>(c));
        b.u16(biffColumnWidth(columns[c].width.value_or(kDefaultColumnWidth)));
        b.u16(columns[c].text ? formats.xf(text) : kDefaultCellXf);
        b.u16(columns[c].width ? 0x0002 : 0x0000); // width set by the user
        b.u16(0);
        b.end();
    }

    int firstRow = 0;
    int firstColumn = kMaxXlsColumns;
    for (int r = 1; r <= sheet.rowCount(); ++r) {
        const auto &cells = sheet.cells(r);
        if (cells.empty())
            continue;
        if (firstRow == 0)
            firstRow = r;
        firstColumn = std::min<int>(firstColumn, cells.front().column);
    }
    b.begin(kDimensions);
    b.u32(firstRow > 0 ? static_cast<std::uint32_t>(firstRow - 1) : 0);
    b.u32(static_cast<std::uint32_t>(sheet.rowCount()));
    b.u16(firstRow > 0 ? static_cast<std::uint32_t>(firstColumn) : 0);
    b.u16(static_cast<std::uint32_t>(sheet.columnCount()));
    b.u16(0);
    b.end();

    // The cell XFs by the sheet's own style numbers, with and without a text-format column.
    std::vector<int> xfOf(sheet.styles().size() * 2, -1);
    out.reserve(out.size() + static_cast<std::size_t>(sheet.rowCount()) * 14 * std::max(1, sheet.columnCount()));
    for (int r = 1; r <= sheet.rowCount(); ++r) {
        for (const Sheet::Cell &cell : sheet.cells(r)) {
            const bool textColumn = cell.column < columns.size() && columns[cell.column].text;
            int &xf = xfOf[cell.style * 2 + (textColumn ? 1 : 0)];
            if (xf < 0)
                xf = formats.xf(sheet.savedStyle(cell));
            const std::string_view text = sheet.text(cell);
            if (text.empty()) {
                if (xf == kDefaultCellXf)
                    continue;
                b.begin(kBlank);
                b.u16(static_cast<std::uint32_t>(r - 1));
                b.u16(cell.column);
                b.u16(static_cast<std::uint32_t>(xf));
                b.end();
                continue;
            }
            // LABELSST written at once: the most frequent record by far.
            const std::uint32_t index = strings.add(text);
            const std::uint8_t record[14] = {kLabelSst & 0xFF,
                                             kLabelSst >> 8,
                                             10,
                                             0,
                                             static_cast<std::uint8_t>(r - 1),
                                             static_cast<std::uint8_t>((r - 1) >> 8),
                                             static_cast<std::uint8_t>(cell.column),
                                             static_cast<std::uint8_t>(cell.column >> 8),
                                             static_cast<std::uint8_t>(xf),
                                             static_cast<std::uint8_t>(xf >> 8),
                                             static_cast<std::uint8_t>(index),
                                             static_cast<std::uint8_t>(index >> 8),
                                             static_cast<std::uint8_t>(index >> 16),
                                             static_cast<std::uint8_t>(index >> 24)};
            out.insert(out.end(), record, record + sizeof record);
        }
    }

    b.begin(kWindow2);
    // Gridlines, headers, zeros, outline symbols; the first sheet is the selected one.
    b.u16(first ? 0x06B6 : 0x00B6);
    b.u16(0);  // top row
    b.u16(0);  // left column
    b.u16(64); // gridline colour: automatic
    b.u16(0);
    b.u16(0);
    b.u16(0);
    b.u32(0);
    b.end();

    const std::vector<MergedRange> &merged = sheet.mergedRanges();
    for (std::size_t from = 0; from < merged.size(); from += kMergedPerRecord) {
        const std::size_t n = std::min(kMergedPerRecord, merged.size() - from);
        b.begin(kMergedCells);
        b.u16(static_cast<std::uint32_t>(n));
        for (std::size_t i = from; i < from + n; ++i) {
            b.u16(static_cast<std::uint32_t>(merged[i].row - 1));
            b.u16(static_cast<std::uint32_t>(merged[i].row - 1));
            b.u16(static_cast<std::uint32_t>(merged[i].firstColumn - 1));
            b.u16(static_cast<std::uint32_t>(merged[i].lastColumn - 1));
        }
        b.end();
    }
    eof(b);
}

// The globals substream; the sheets' stream positions are known by then.
void writeGlobals(const std::deque<Sheet> &sheets, Formats &formats, const SharedStringTable &strings,
                  const std::vector<std::vector<std::uint8_t>> &sheetStreams, std::vector<std::uint8_t> &out)
{
    Bytes b(out);
    bof(b, 0x0005);
    simple16(b, kCodepage, 1200); // UTF-16
    b.begin(kWindow1);
    b.u16(0);
    b.u16(0);
    b.u16(0x4000);
    b.u16(0x2000);
    b.u16(0x0038); // scroll bars and sheet tabs shown
    b.u16(0);      // the first sheet is active
    b.u16(0);
    b.u16(1);
    b.u16(600);
    b.end();
    simple16(b, kDate1904, 0);
    formats.write(b);

    // BOUNDSHEET records with the sheets' positions patched in once the globals' size is known.
    std::vector<std::size_t> positionFields;
    for (const Sheet &sheet : sheets) {
        b.begin(kBoundSheet);
        positionFields.push_back(b.size());
        b.u32(0);
        b.u8(0); // visible
        b.u8(0); // worksheet
        b.string(sheet.name(), true);
        b.end();
    }
    const std::size_t sstAt = out.size();
    strings.writeRecords(out, sstAt);
    eof(b);
    std::size_t position = out.size();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        for (int k = 0; k < 4; ++k)
            out[positionFields[i] + k] = static_cast<std::uint8_t>(position >> (8 * k));
        position += sheetStreams[i].size();
    }
}

} // namespace

std::uint16_t biffColumnWidth(double width)
{
    // Excel adds 5 pixels of padding to the width of the characters, 7 pixels each in the default font.
    const double characters = width > 0 ? (width * 7 + 5) / 7 : 0;
    return static_cast<std::uint16_t>(std::lround(std::min(characters, 255.0) * 256));
}

bool writeXls(const std::deque<Sheet> &sheets, const QString &path, const common::AtomicWriteOptions &options,
              QString *error)
{
    Formats formats;
    SharedStringTable strings;
    std::vector<std::vector<std::uint8_t>> sheetStreams(sheets.size());
    for (std::size_t i = 0; i < sheets.size(); ++i)
        writeSheet(sheets[i], i == 0, formats, strings, sheetStreams[i]);
    std::vector<std::uint8_t> globals;
    writeGlobals(sheets, formats, strings, sheetStreams, globals);

    std::vector<std::span<const std::uint8_t>> pieces{globals};
    for (const auto &s : sheetStreams)
        pieces.emplace_back(s);
    common::AtomicFile file(QFile::encodeName(path).toStdString(), options);
    const auto sink = [&file](std::span<const std::uint8_t> bytes) {
        return file.write(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    };
    if (file.open() && writeCompoundFile(sink, u"Workbook", pieces, error) && file.commit())
        return true;
    if (!file.error().empty())
        *error = QString::fromStdString(file.error());
    return false;
}

} // namespace server::workbook
