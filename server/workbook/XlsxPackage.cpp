// Finding the first sheet of an .xlsx package: package relationships, workbook part, its relationships.
#include "server/workbook/XlsxPackage.h"

#include <QHash>
#include <QStringList>
#include <QUrl>
#include <QXmlStreamReader>

namespace server::workbook {

namespace {

// The small XML parts (relationships, workbook) are read whole, up to this size.
constexpr qint64 kMaxSmallPartBytes = qint64{16} << 20;

struct Relationship
{
    QString type;
    QString target;
};

bool endsWithType(const QString &type, QLatin1StringView name)
{
    return type.endsWith(QLatin1Char('/') + name);
}

QString xmlFailure(const QString &part, const QXmlStreamReader &xml)
{
    return QStringLiteral("%1 is not well-formed XML (line %2: %3)")
        .arg(part)
        .arg(xml.lineNumber())
        .arg(xml.errorString());
}

// The relationships of a part, by their ids, in document order; a missing relationships part is an
// empty list.
bool readRelationships(const ZipArchive &archive, const QString &relsPart, QList<QPair<QString, Relationship>> *out,
                       QString *error)
{
    if (!archive.contains(relsPart))
        return true;
    const QByteArray bytes = readZipPart(archive, relsPart, kMaxSmallPartBytes, error);
    if (!error->isEmpty())
        return false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1StringView("Relationship")) {
            const QXmlStreamAttributes a = xml.attributes();
            if (a.value(QLatin1StringView("TargetMode")) != QLatin1StringView("External"))
                out->append(
                    {a.value(QLatin1StringView("Id")).toString(),
                     {a.value(QLatin1StringView("Type")).toString(), a.value(QLatin1StringView("Target")).toString()}});
        }
    }
    if (xml.hasError()) {
        *error = xmlFailure(relsPart, xml);
        return false;
    }
    return true;
}

QString relationshipsOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

// The first sheet's relationship id and the date system from the workbook part.
bool readWorkbookPart(const ZipArchive &archive, const QString &workbook, QString *sheetId, bool *date1904,
                      QString *error)
{
    const QByteArray bytes = readZipPart(archive, workbook, kMaxSmallPartBytes, error);
    if (!error->isEmpty())
        return false;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1StringView("workbookPr")) {
            const QStringView v = attributes.value(QLatin1StringView("date1904"));
            *date1904 = v == QLatin1StringView("1") || v == QLatin1StringView("true");
        } else if (xml.name() == QLatin1StringView("sheet") && sheetId->isEmpty()) {
            // r:id, whatever prefix the relationships namespace has in this file.
            for (const QXmlStreamAttribute &a : attributes)
                if (a.name() == QLatin1StringView("id") && !a.namespaceUri().isEmpty())
                    *sheetId = a.value().toString();
        }
    }
    if (xml.hasError()) {
        *error = xmlFailure(workbook, xml);
        return false;
    }
    return true;
}

} // namespace

QString resolvePartName(const QString &sourcePart, const QString &target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    QString joined;
    if (decoded.startsWith(QLatin1Char('/')))
        joined = decoded.mid(1);
    else
        joined = sourcePart.left(sourcePart.lastIndexOf(QLatin1Char('/')) + 1) + decoded;
    QStringList kept;
    for (const QString &segment : joined.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (segment == QLatin1StringView("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
        } else if (segment != QLatin1StringView(".")) {
            kept.append(segment);
        }
    }
    return kept.join(QLatin1Char('/'));
}

bool findXlsxParts(const ZipArchive &archive, XlsxParts *parts, QString *error)
{
    error->clear();
    QList<QPair<QString, Relationship>> packageRels;
    if (!readRelationships(archive, QStringLiteral("_rels/.rels"), &packageRels, error))
        return false;
    QString workbook = QStringLiteral("xl/workbook.xml");
    for (const auto &[id, rel] : packageRels)
        if (endsWithType(rel.type, QLatin1StringView("officeDocument"))) {
            workbook = resolvePartName(QString(), rel.target);
            break;
        }
    if (!archive.contains(workbook)) {
        *error = QStringLiteral("it has no workbook part (%1)").arg(workbook);
        return false;
    }
    QString sheetId;
    if (!readWorkbookPart(archive, workbook, &sheetId, &parts->date1904, error))
        return false;
    if (sheetId.isEmpty()) {
        *error = QStringLiteral("its workbook lists no sheet");
        return false;
    }
    QList<QPair<QString, Relationship>> workbookRels;
    if (!readRelationships(archive, relationshipsOf(workbook), &workbookRels, error))
        return false;
    for (const auto &[id, rel] : workbookRels) {
        if (id == sheetId)
            parts->sheet = resolvePartName(workbook, rel.target);
        else if (endsWithType(rel.type, QLatin1StringView("sharedStrings")) && parts->sharedStrings.isEmpty())
            parts->sharedStrings = resolvePartName(workbook, rel.target);
        else if (endsWithType(rel.type, QLatin1StringView("styles")) && parts->styles.isEmpty())
            parts->styles = resolvePartName(workbook, rel.target);
    }
    if (parts->sheet.isEmpty() || !archive.contains(parts->sheet)) {
        *error = QStringLiteral("its first sheet (%1) is missing").arg(parts->sheet.isEmpty() ? sheetId : parts->sheet);
        return false;
    }
    if (!parts->sharedStrings.isEmpty() && !archive.contains(parts->sharedStrings))
        parts->sharedStrings.clear();
    if (!parts->styles.isEmpty() && !archive.contains(parts->styles))
        parts->styles.clear();
    return true;
}

} // namespace server::workbook
