// The .xlsx reader: shared strings, then the first sheet's cells with their types and date formats.
#include "server/workbook/XlsxReader.h"

#include "server/workbook/CellText.h"
#include "server/workbook/XlsxPackage.h"
#include "server/workbook/XlsxStyles.h"

#include <QXmlStreamReader>

#include <charconv>
#include <vector>

namespace server::workbook {

namespace {

// The package format's limits: 1,048,576 rows and 16,384 columns.
constexpr std::uint32_t kMaxRow = 1048576;
constexpr std::uint32_t kMaxColumn = 16384;

struct KeptText
{
    std::uint32_t offset;
    std::uint32_t length;
};

const QString kTooMuch = QStringLiteral("its first sheet holds more text than this program reads");

bool is(QStringView name, const char *what)
{
    return name == QLatin1StringView(what);
}

// The text of a rich-text element (<si> or <is>) from the element just read to its end: the <t>
// elements directly inside it or inside its runs <r>; the phonetic runs <rPh> are left out.
QString readRichText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (is(xml.name(), "t")) {
                // Most texts are one run: its text is taken as it is, without a copy.
                if (text.isEmpty())
                    text = xml.readElementText(QXmlStreamReader::SkipChildElements);
                else
                    text += xml.readElementText(QXmlStreamReader::SkipChildElements);
                continue;
            }
            if (is(xml.name(), "rPh")) {
                xml.skipCurrentElement();
                continue;
            }
            ++depth;
        } else if (xml.isEndElement()) {
            if (depth == 0)
                break;
            --depth;
        }
    }
    return unescapeXmlString(text);
}

QString xmlFailure(const ZipPart &part, const QXmlStreamReader &xml)
{
    if (!part.failure().isEmpty())
        return part.failure();
    return QStringLiteral("%1 is not well-formed XML (line %2: %3)")
        .arg(part.name())
        .arg(xml.lineNumber())
        .arg(xml.errorString());
}

bool readSharedStrings(const ZipArchive &archive, const QString &name, SheetCells &cells,
                       std::vector<KeptText> *strings, QString *error)
{
    ZipPart part(archive, name, kMaxSharedStringsBytes);
    if (!part.openPart(error))
        return false;
    QXmlStreamReader xml(&part);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || !is(xml.name(), "si"))
            continue;
        const QByteArray text = readRichText(xml).toUtf8();
        std::uint32_t offset = 0;
        if (strings->size() >= SheetCells::kMaxCells ||
            !cells.keepText(std::string_view(text.constData(), text.size()), &offset)) {
            *error = kTooMuch;
            return false;
        }
        strings->push_back({offset, static_cast<std::uint32_t>(text.size())});
    }
    if (xml.hasError() || !part.failure().isEmpty()) {
        *error = xmlFailure(part, xml);
        return false;
    }
    return true;
}

// The types a cell's t attribute names; a number when it has none.
enum class CellType
{
    Number,
    SharedString,
    InlineString,
    FormulaString,
    Error,
    Boolean,
    IsoDate,
};

CellType cellType(QStringView t)
{
    if (t.isEmpty() || t == QLatin1StringView("n"))
        return CellType::Number;
    if (t == QLatin1StringView("s"))
        return CellType::SharedString;
    if (t == QLatin1StringView("inlineStr"))
        return CellType::InlineString;
    if (t == QLatin1StringView("str"))
        return CellType::FormulaString;
    if (t == QLatin1StringView("e"))
        return CellType::Error;
    if (t == QLatin1StringView("b"))
        return CellType::Boolean;
    if (t == QLatin1StringView("d"))
        return CellType::IsoDate;
    return CellType::Number;
}

// "2024-03-05T14:30:00Z" and the like, as the reader shows dates.
QString isoDateText(QStringView value)
{
    QString text = value.trimmed().toString();
    if (text.endsWith(QLatin1Char('Z')))
        text.chop(1);
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot > 0)
        text.truncate(dot);
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    if (text.endsWith(QLatin1StringView(" 00:00:00")))
        text.chop(9);
    return text;
}

// A number's text as ASCII, for from_chars; false when it is longer than any number.
bool asciiNumber(QStringView text, char (&out)[64], std::size_t *length)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() >= 64)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x7F)
            return false;
        out[i] = static_cast<char>(c);
    }
    *length = static_cast<std::size_t>(text.size());
    return true;
}

bool addText(SheetCells &cells, std::uint32_t row, std::uint32_t column, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return cells.addCell(row, column, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

class SheetReader
{
public:
    SheetReader(SheetCells &cells, const std::vector<KeptText> &strings, const std::vector<DateKind> &formats,
                bool date1904)
        : m_cells(cells), m_strings(strings), m_formats(formats), m_date1904(date1904)
    {
    }

    bool read(const ZipArchive &archive, const QString &name, QString *error)
    {
        ZipPart part(archive, name, kMaxSheetPartBytes);
        if (!part.openPart(error))
            return false;
        QXmlStreamReader xml(&part);
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (is(xml.name(), "row"))
                startRow(xml.attributes());
            else if (is(xml.name(), "c") && !readCell(xml)) {
                *error = kTooMuch;
                return false;
            }
        }
        if (xml.hasError() || !part.failure().isEmpty()) {
            *error = xmlFailure(part, xml);
            return false;
        }
        return true;
    }

private:
    void startRow(const QXmlStreamAttributes &attributes)
    {
        bool ok = false;
        const uint r = attributes.value(QLatin1StringView("r")).toUInt(&ok);
        m_row = ok && r >= 1 && r <= kMaxRow ? r : m_row + 1;
        m_nextColumn = 1;
    }

    // The text of the element just read (<v>), up to its end.
    void readValue(QXmlStreamReader &xml)
    {
        m_value.resize(0);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters())
                m_value.append(xml.text());
            else if (xml.isStartElement())
                xml.skipCurrentElement();
            else if (xml.isEndElement())
                break;
        }
    }

    bool readCell(QXmlStreamReader &xml)
    {
        std::uint32_t row = 0;
        std::uint32_t column = 0;
        CellType type;
        qsizetype format;
        {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (!parseCellReference(attributes.value(QLatin1StringView("r")), &row, &column)) {
                row = m_row == 0 ? 1 : m_row;
                column = m_nextColumn;
            }
            type = cellType(attributes.value(QLatin1StringView("t")));
            format = attributes.value(QLatin1StringView("s")).toLongLong();
        }
        m_nextColumn = column + 1;
        m_value.resize(0);
        QString inlineText;
        int depth = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (depth == 0 && is(xml.name(), "v")) {
                    readValue(xml);
                    continue;
                }
                if (depth == 0 && is(xml.name(), "is")) {
                    inlineText = readRichText(xml);
                    continue;
                }
                ++depth; // <f>, <extLst> and whatever else a cell holds
            } else if (xml.isEndElement()) {
                if (depth == 0)
                    break;
                --depth;
            }
        }
        if (column > kMaxColumn || row > kMaxRow)
            return true;
        switch (type) {
        case CellType::SharedString: {
            bool ok = false;
            const qulonglong index = QStringView(m_value).trimmed().toULongLong(&ok);
            if (!ok || index >= m_strings.size())
                return true;
            return m_cells.addCell(row, column, m_strings[index].offset, m_strings[index].length);
        }
        case CellType::InlineString:
            return addText(m_cells, row, column, inlineText);
        case CellType::FormulaString:
            return addText(m_cells, row, column, unescapeXmlString(m_value));
        case CellType::Error:
            return addText(m_cells, row, column, m_value);
        case CellType::Boolean: {
            const QStringView v = QStringView(m_value).trimmed();
            return m_cells.addCell(row, column,
                                   booleanText(v == QLatin1StringView("1") || v == QLatin1StringView("true")));
        }
        case CellType::IsoDate:
            return addText(m_cells, row, column, isoDateText(m_value));
        case CellType::Number:
            break;
        }
        char digits[64];
        std::size_t length = 0;
        double number = 0;
        if (!asciiNumber(m_value, digits, &length))
            return addText(m_cells, row, column, m_value);
        const auto [end, status] = std::from_chars(digits, digits + length, number);
        if (status != std::errc() || end != digits + length)
            return addText(m_cells, row, column, m_value);
        const DateKind kind = format >= 0 && static_cast<std::size_t>(format) < m_formats.size()
                                  ? m_formats[static_cast<std::size_t>(format)]
                                  : DateKind::None;
        return m_cells.addCell(row, column, dateText(number, kind, m_date1904));
    }

    SheetCells &m_cells;
    const std::vector<KeptText> &m_strings;
    const std::vector<DateKind> &m_formats;
    const bool m_date1904;
    std::uint32_t m_row = 0;
    std::uint32_t m_nextColumn = 1;
    QString m_value; // the current cell's <v>, its buffer kept from cell to cell
};

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

bool parseCellReference(QStringView reference, std::uint32_t *row, std::uint32_t *column)
{
    qsizetype i = 0;
    std::uint32_t c = 0;
    for (; i < reference.size() && i < 4; ++i) {
        const char16_t u = reference[i].toUpper().unicode();
        if (u < 'A' || u > 'Z')
            break;
        c = c * 26 + (u - 'A' + 1);
    }
    if (i == 0 || c > kMaxColumn || i == reference.size())
        return false;
    std::uint32_t r = 0;
    for (qsizetype j = i; j < reference.size(); ++j) {
        const char16_t u = reference[j].unicode();
        if (u < '0' || u > '9' || j - i >= 8)
            return false;
        r = r * 10 + (u - '0');
    }
    if (r < 1 || r > kMaxRow)
        return false;
    *row = r;
    *column = c;
    return true;
}

QString unescapeXmlString(const QString &text)
{
    qsizetype at = text.indexOf(QLatin1StringView("_x"));
    if (at < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (at >= 0) {
        if (at + 6 < text.size() && text[at + 6] == QLatin1Char('_')) {
            int code = 0;
            bool hex = true;
            for (int k = 2; k < 6 && hex; ++k) {
                const int d = hexDigit(text[at + k]);
                hex = d >= 0;
                code = code * 16 + d;
            }
            if (hex) {
                out += QStringView(text).mid(from, at - from);
                out += QChar(static_cast<char16_t>(code));
                from = at + 7;
                at = text.indexOf(QLatin1StringView("_x"), from);
                continue;
            }
        }
        at = text.indexOf(QLatin1StringView("_x"), at + 1);
    }
    out += QStringView(text).mid(from);
    return out;
}

bool readXlsx(const ZipArchive &archive, SheetCells &cells, QString *error)
{
    XlsxParts parts;
    if (!findXlsxParts(archive, &parts, error))
        return false;
    std::vector<DateKind> formats;
    if (!parts.styles.isEmpty() && !readCellFormatKinds(archive, parts.styles, &formats, error))
        return false;
    std::vector<KeptText> strings;
    if (!parts.sharedStrings.isEmpty() && !readSharedStrings(archive, parts.sharedStrings, cells, &strings, error))
        return false;
    if (!SheetReader(cells, strings, formats, parts.date1904).read(archive, parts.sheet, error))
        return false;
    cells.finish();
    return true;
}

} // namespace server::workbook
