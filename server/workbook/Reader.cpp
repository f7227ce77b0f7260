// Reading a workbook: the format told by the file's first bytes, then the .xls or .xlsx reader.
#include "server/workbook/Reader.h"

#include "server/workbook/XlsReader.h"
#include "server/workbook/XlsxReader.h"
#include "server/workbook/ZipPart.h"

#include <QFile>

namespace server::workbook {

namespace {

const QByteArray kCompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

bool isZip(const QByteArray &head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

QString xlsTooLarge(const QString &path)
{
    return QStringLiteral("cannot read the .xls workbook %1: it is larger than %2 MB")
        .arg(path)
        .arg(kMaxXlsBytes >> 20);
}

} // namespace

bool Reader::open(const QString &path)
{
    close();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray head = file.read(8);
    if (head != kCompoundFileSignature) {
        file.close();
        return openBytes(head, path, nullptr);
    }
    // An .xls file is read whole, up to a size.
    if (file.size() > kMaxXlsBytes) {
        m_error = xlsTooLarge(path);
        return false;
    }
    file.seek(0);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return openBytes(head, path, &bytes);
}

bool Reader::openData(const QByteArray &data)
{
    close();
    return openBytes(data.left(8), QStringLiteral("the workbook"), &data);
}

bool Reader::openBytes(const QByteArray &head, const QString &path, const QByteArray *data)
{
    bool ok = false;
    if (head == kCompoundFileSignature) {
        QString why;
        if (data->size() > kMaxXlsBytes)
            m_error = xlsTooLarge(path);
        else if (!(ok = readXls(*data, m_cells, &why)))
            m_error = QStringLiteral("cannot read the .xls workbook %1: %2").arg(path, why);
    } else if (isZip(head)) {
        ZipArchive archive;
        QString why;
        ok = (data == nullptr ? archive.openFile(path, &why) : archive.openData(*data, &why)) &&
             readXlsx(archive, m_cells, &why);
        if (!ok)
            m_error = QStringLiteral("cannot read the .xlsx workbook %1: %2").arg(path, why);
    } else {
        m_error = QStringLiteral("%1 is not an Excel workbook (neither .xls nor .xlsx)").arg(path);
    }
    if (!ok)
        m_cells.clear();
    return ok;
}

void Reader::close()
{
    m_cells.clear();
    m_error.clear();
}

QString Reader::text(int row, int column) const
{
    const std::string_view t = utf8(row, column);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

std::string_view Reader::utf8(int row, int column) const
{
    if (row < 1 || column < 1)
        return {};
    return m_cells.text(static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
}

} // namespace server::workbook
