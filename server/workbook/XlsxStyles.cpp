// Reading styles.xml far enough to know the date-formatted cell formats.
#include "server/workbook/XlsxStyles.h"

#include <QHash>
#include <QXmlStreamReader>

namespace server::workbook {

namespace {

constexpr qint64 kMaxStylesBytes = qint64{64} << 20;
// Excel itself holds at most 64,000 cell formats.
constexpr std::size_t kMaxCellFormats = 65536;

} // namespace

bool readCellFormatKinds(const ZipArchive &archive, const QString &stylesPart, std::vector<DateKind> *kinds,
                         QString *error)
{
    kinds->clear();
    error->clear();
    const QByteArray bytes = readZipPart(archive, stylesPart, kMaxStylesBytes, error);
    if (!error->isEmpty())
        return false;
    QHash<int, DateKind> custom;
    QXmlStreamReader xml(bytes);
    // Depth of the cellXfs element we are in, so that the xf elements of cellStyleXfs are left out.
    int cellXfsDepth = -1;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (--depth == cellXfsDepth)
                cellXfsDepth = -1;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        ++depth;
        const QStringView name = xml.name();
        if (name == QLatin1StringView("numFmt")) {
            const QXmlStreamAttributes a = xml.attributes();
            const int id = a.value(QLatin1StringView("numFmtId")).toInt();
            custom.insert(id, formatCodeKind(a.value(QLatin1StringView("formatCode")).toString().toStdString()));
        } else if (name == QLatin1StringView("cellXfs")) {
            cellXfsDepth = depth - 1;
        } else if (name == QLatin1StringView("xf") && cellXfsDepth >= 0 && depth == cellXfsDepth + 2) {
            if (kinds->size() >= kMaxCellFormats) {
                *error = QStringLiteral("%1 has more than %2 cell formats").arg(stylesPart).arg(kMaxCellFormats);
                return false;
            }
            const int id = xml.attributes().value(QLatin1StringView("numFmtId")).toInt();
            kinds->push_back(custom.contains(id) ? custom.value(id) : builtInFormatKind(id));
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1 is not well-formed XML (line %2: %3)")
                     .arg(stylesPart)
                     .arg(xml.lineNumber())
                     .arg(xml.errorString());
        return false;
    }
    return true;
}

} // namespace server::workbook
