// The .xls reader: the workbook globals (strings, formats, sheets), then the first worksheet's cells.
#include "server/workbook/XlsReader.h"

#include "server/workbook/BiffRecords.h"
#include "server/workbook/CellText.h"
#include "server/workbook/CompoundFileReader.h"

#include <QHash>

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace server::workbook {

namespace {

// Record types.
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kFilePass = 0x002F;
constexpr std::uint16_t kCodepage = 0x0042;
constexpr std::uint16_t kDate1904 = 0x0022;
constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kRString = 0x00D6;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kMulRk = 0x00BD;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kString = 0x0207;

const QString kTooMuch = QStringLiteral("its first sheet holds more text than this program reads");

std::uint16_t u16(std::span<const char> d, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(d[at]) | static_cast<unsigned char>(d[at + 1]) << 8);
}

std::uint32_t u32(std::span<const char> d, std::size_t at)
{
    return u16(d, at) | static_cast<std::uint32_t>(u16(d, at + 2)) << 16;
}

double f64(std::span<const char> d, std::size_t at)
{
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | static_cast<unsigned char>(d[at + static_cast<std::size_t>(i)]);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// An RK number: 30 bits of a double or of an integer, divided by 100 when its lowest bit says so.
double rkValue(std::uint32_t rk)
{
    double v;
    if ((rk & 0x02) != 0) {
        v = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&v, &bits, sizeof v);
    }
    return (rk & 0x01) != 0 ? v / 100 : v;
}

const char *errorText(std::uint8_t code)
{
    switch (code) {
    case 0x00:
        return "#NULL!";
    case 0x07:
        return "#DIV/0!";
    case 0x0F:
        return "#VALUE!";
    case 0x17:
        return "#REF!";
    case 0x1D:
        return "#NAME?";
    case 0x24:
        return "#NUM!";
    case 0x2A:
        return "#N/A";
    default:
        return "#VALUE!";
    }
}

// The code page of BIFF5 texts, by the number the workbook gives.
std::unique_ptr<QStringDecoder> codePageDecoder(std::uint16_t codePage)
{
    const char *name = nullptr;
    switch (codePage) {
    case 936:
        name = "GBK";
        break;
    case 950:
        name = "Big5";
        break;
    case 932:
        name = "Shift_JIS";
        break;
    case 949:
        name = "windows-949";
        break;
    case 1250:
        name = "windows-1250";
        break;
    case 1251:
        name = "windows-1251";
        break;
    case 1253:
        name = "windows-1253";
        break;
    case 1254:
        name = "windows-1254";
        break;
    case 1255:
        name = "windows-1255";
        break;
    case 1256:
        name = "windows-1256";
        break;
    case 1257:
        name = "windows-1257";
        break;
    case 1258:
        name = "windows-1258";
        break;
    case 10000:
        name = "macintosh";
        break;
    default:
        name = "windows-1252";
        break;
    }
    auto decoder = std::make_unique<QStringDecoder>(name);
    if (!decoder->isValid())
        decoder = std::make_unique<QStringDecoder>(QStringDecoder::Latin1);
    return decoder;
}

class Workbook
{
public:
    Workbook(const QByteArray &stream, SheetCells &cells) : m_stream(stream), m_cells(cells) {}

    bool read(QString *error)
    {
        if (!readGlobals() || !readSheet()) {
            *error = m_why;
            return false;
        }
        m_cells.finish();
        return true;
    }

private:
    struct KeptText
    {
        std::uint32_t offset;
        std::uint32_t length;
    };

    bool bad(const QString &why)
    {
        m_why = why;
        return false;
    }

    bool damaged(const char *what) { return bad(QStringLiteral("its %1 is damaged").arg(QLatin1StringView(what))); }

    // A BIFF8 string, or a BIFF5 one of an 8- or 16-bit byte count, from continued data.
    bool readText(ContinuedData &data, bool shortCount, std::string *utf8)
    {
        if (m_biff8)
            return data.readString(shortCount, utf8);
        std::uint16_t count = 0;
        std::uint8_t c = 0;
        if (shortCount ? !data.readU8(&c) : !data.readU16(&count))
            return false;
        return data.readBytes(shortCount ? c : count, m_codePage.get(), utf8);
    }

    bool readGlobals()
    {
        BiffCursor cursor(m_stream, 0);
        BiffRecord r;
        if (!cursor.next(&r) || r.type != kBof || r.data.size() < 4)
            return bad(
                QStringLiteral("it holds no BIFF5 or BIFF8 workbook (an Excel file older than Excel 5 is not read)"));
        const std::uint16_t version = u16(r.data, 0);
        m_biff8 = version == 0x0600;
        if ((version != 0x0600 && version != 0x0500) || u16(r.data, 2) != 0x0005)
            return bad(
                QStringLiteral("it holds no BIFF5 or BIFF8 workbook (an Excel file older than Excel 5 is not read)"));
        m_codePage = codePageDecoder(1252);
        std::optional<qsizetype> sheet;
        while (cursor.next(&r)) {
            const std::span<const char> d = r.data;
            switch (r.type) {
            case kFilePass:
                return bad(QStringLiteral("it is protected by a password"));
            case kCodepage:
                if (d.size() >= 2)
                    m_codePage = codePageDecoder(u16(d, 0));
                break;
            case kDate1904:
                m_date1904 = d.size() >= 2 && u16(d, 0) == 1;
                break;
            case kFormat: {
                if (d.size() < 2)
                    return damaged("number format");
                ContinuedData data(d.subspan(2));
                std::string code;
                if (!readText(data, !m_biff8, &code))
                    return damaged("number format");
                m_formats.insert(u16(d, 0), formatCodeKind(code));
                break;
            }
            case kXf:
                if (d.size() < 4)
                    return damaged("cell format");
                m_xfFormats.push_back(u16(d, 2));
                break;
            case kBoundSheet:
                // The first worksheet (type 0 in the high byte of its flags); charts and macros are no sheet.
                if (d.size() >= 6 && !sheet && static_cast<unsigned char>(d[5]) == 0)
                    sheet = static_cast<qsizetype>(u32(d, 0));
                break;
            case kSst:
                if (!readSharedStrings(cursor, d))
                    return false;
                break;
            case kEof:
                if (!sheet)
                    return bad(QStringLiteral("it has no worksheet"));
                m_sheetAt = *sheet;
                return true;
            default:
                break;
            }
        }
        return bad(QStringLiteral("it is truncated (the workbook records end early)"));
    }

    bool readSharedStrings(BiffCursor &cursor, std::span<const char> first)
    {
        if (first.size() < 8)
            return damaged("shared string table");
        ContinuedData data(first.subspan(8));
        BiffRecord r;
        while (cursor.peekType() == kContinue && cursor.next(&r))
            data.add(r.data);
        const std::uint32_t unique = u32(first, 4);
        std::string text;
        for (std::uint32_t i = 0; i < unique && !data.atEnd(); ++i) {
            text.clear();
            if (!data.readString(false, &text))
                return damaged("shared string table");
            std::uint32_t offset = 0;
            if (m_strings.size() >= SheetCells::kMaxCells || !m_cells.keepText(text, &offset))
                return bad(kTooMuch);
            m_strings.push_back({offset, static_cast<std::uint32_t>(text.size())});
        }
        return true;
    }

    DateKind dateKind(std::uint16_t xf) const
    {
        if (xf >= m_xfFormats.size())
            return DateKind::None;
        const std::uint16_t format = m_xfFormats[xf];
        const auto custom = m_formats.constFind(format);
        return custom != m_formats.cend() ? *custom : builtInFormatKind(format);
    }

    bool addNumber(std::uint16_t row, std::uint16_t column, std::uint16_t xf, double value)
    {
        return m_cells.addCell(row + 1u, column + 1u, dateText(value, dateKind(xf), m_date1904));
    }

    bool addText(std::uint16_t row, std::uint16_t column, const std::string &text)
    {
        return m_cells.addCell(row + 1u, column + 1u, text);
    }

    bool readSheet()
    {
        if (m_sheetAt < 0 || m_sheetAt >= m_stream.size())
            return damaged("sheet list");
        BiffCursor cursor(m_stream, m_sheetAt);
        BiffRecord r;
        if (!cursor.next(&r) || r.type != kBof || r.data.size() < 4 || u16(r.data, 2) != 0x0010)
            return damaged("sheet list");
        int nested = 0;
        // A formula whose value is a text gets it from the STRING record after it.
        std::optional<std::pair<std::uint16_t, std::uint16_t>> formulaText;
        while (cursor.next(&r)) {
            const std::span<const char> d = r.data;
            const bool cell = d.size() >= 6;
            const std::uint16_t row = cell ? u16(d, 0) : 0;
            const std::uint16_t column = cell ? u16(d, 2) : 0;
            const std::uint16_t xf = cell ? u16(d, 4) : 0;
            bool ok = true;
            switch (r.type) {
            case kBof:
                ++nested; // an embedded chart's substream
                break;
            case kEof:
                if (nested-- == 0)
                    return true;
                break;
            case kLabelSst:
                if (nested == 0 && d.size() >= 10) {
                    const std::uint32_t index = u32(d, 6);
                    if (index < m_strings.size())
                        ok = m_cells.addCell(row + 1u, column + 1u, m_strings[index].offset, m_strings[index].length);
                }
                break;
            case kLabel:
            case kRString:
                if (nested == 0 && d.size() > 6) {
                    ContinuedData data(d.subspan(6));
                    std::string text;
                    if (!readText(data, false, &text))
                        return damaged("sheet's text cell");
                    ok = addText(row, column, text);
                }
                break;
            case kNumber:
                if (nested == 0 && d.size() >= 14)
                    ok = addNumber(row, column, xf, f64(d, 6));
                break;
            case kRk:
                if (nested == 0 && d.size() >= 10)
                    ok = addNumber(row, column, xf, rkValue(u32(d, 6)));
                break;
            case kMulRk:
                if (nested == 0 && d.size() >= 6)
                    for (std::size_t at = 4, c = column; at + 6 <= d.size() - 2 && ok; at += 6, ++c)
                        ok = addNumber(row, static_cast<std::uint16_t>(c), u16(d, at), rkValue(u32(d, at + 2)));
                break;
            case kBoolErr:
                if (nested == 0 && d.size() >= 8) {
                    const auto value = static_cast<std::uint8_t>(d[6]);
                    ok = addText(row, column, d[7] != 0 ? errorText(value) : std::string(booleanText(value != 0)));
                }
                break;
            case kFormula:
                if (nested == 0 && d.size() >= 14)
                    ok = readFormula(row, column, xf, d, &formulaText);
                break;
            case kString:
                if (nested == 0 && formulaText) {
                    ContinuedData data(d);
                    while (cursor.peekType() == kContinue && cursor.next(&r))
                        data.add(r.data);
                    std::string text;
                    if (!readText(data, false, &text))
                        return damaged("sheet's formula text");
                    ok = addText(formulaText->first, formulaText->second, text);
                    formulaText.reset();
                }
                break;
            default:
                break;
            }
            if (!ok)
                return bad(kTooMuch);
        }
        return bad(QStringLiteral("it is truncated (the first sheet's records end early)"));
    }

    bool readFormula(std::uint16_t row, std::uint16_t column, std::uint16_t xf, std::span<const char> d,
                     std::optional<std::pair<std::uint16_t, std::uint16_t>> *formulaText)
    {
        formulaText->reset();
        if (u16(d, 12) != 0xFFFF)
            return addNumber(row, column, xf, f64(d, 6));
        switch (static_cast<unsigned char>(d[6])) {
        case 0:
            *formulaText = std::pair(row, column);
            return true;
        case 1:
            return addText(row, column, std::string(booleanText(d[8] != 0)));
        case 2:
            return addText(row, column, errorText(static_cast<std::uint8_t>(d[8])));
        default:
            return true; // an empty text
        }
    }

    const QByteArray &m_stream;
    SheetCells &m_cells;
    bool m_biff8 = true;
    bool m_date1904 = false;
    std::unique_ptr<QStringDecoder> m_codePage;
    QHash<std::uint16_t, DateKind> m_formats;
    std::vector<std::uint16_t> m_xfFormats;
    std::vector<KeptText> m_strings;
    qsizetype m_sheetAt = -1;
    QString m_why;
};

} // namespace

bool readXls(const QByteArray &file, SheetCells &cells, QString *error)
{
    QByteArray stream;
    if (!readCompoundStream(file, {u"Workbook", u"Book"}, &stream, error))
        return false;
    return Workbook(stream, cells).read(error);
}

} // namespace server::workbook
