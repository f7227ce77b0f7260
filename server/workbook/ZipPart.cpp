// Zip members through libzip: the archive, a capped sequential device over one member.
#include "server/workbook/ZipPart.h"

#include <QFile>

#include <algorithm>

#include <zip.h>

namespace server::workbook {

namespace {

QString zipErrorText(zip_error_t *error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = zipErrorText(&error);
    zip_error_fini(&error);
    return text;
}

} // namespace

ZipArchive::~ZipArchive()
{
    if (m_zip != nullptr)
        zip_discard(m_zip);
}

bool ZipArchive::openFile(const QString &path, QString *error)
{
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (m_zip == nullptr)
        *error = zipErrorText(code);
    return m_zip != nullptr;
}

bool ZipArchive::openData(const QByteArray &data, QString *error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *source =
        zip_source_buffer_create(data.constData(), static_cast<zip_uint64_t>(data.size()), 0, &zipError);
    if (source != nullptr) {
        m_zip = zip_open_from_source(source, ZIP_RDONLY, &zipError);
        if (m_zip == nullptr)
            zip_source_free(source);
    }
    if (m_zip == nullptr)
        *error = zipErrorText(&zipError);
    zip_error_fini(&zipError);
    return m_zip != nullptr;
}

bool ZipArchive::contains(const QString &name) const
{
    return zip_name_locate(m_zip, name.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
}

ZipPart::ZipPart(const ZipArchive &archive, const QString &name, qint64 maxBytes)
    : m_archive(archive), m_name(name), m_maxBytes(maxBytes)
{
}

ZipPart::~ZipPart()
{
    if (m_file != nullptr)
        zip_fclose(m_file);
}

bool ZipPart::openPart(QString *error)
{
    const zip_int64_t index = zip_name_locate(m_archive.handle(), m_name.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0) {
        *error = QStringLiteral("%1 is missing").arg(m_name);
        return false;
    }
    zip_stat_t stat;
    if (zip_stat_index(m_archive.handle(), static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
        (stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > static_cast<zip_uint64_t>(m_maxBytes)) {
        *error = QStringLiteral("%1 is larger than %2 MB").arg(m_name).arg(m_maxBytes >> 20);
        return false;
    }
    m_file = zip_fopen_index(m_archive.handle(), static_cast<zip_uint64_t>(index), 0);
    if (m_file == nullptr) {
        *error = QStringLiteral("%1 cannot be read: %2").arg(m_name, zipErrorText(zip_get_error(m_archive.handle())));
        return false;
    }
    return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 ZipPart::readData(char *data, qint64 maxSize)
{
    if (m_end || m_file == nullptr)
        return m_failure.isEmpty() ? 0 : -1;
    // One byte beyond the cap is read to tell a member of exactly the cap from a larger one.
    const qint64 room = m_maxBytes + 1 - m_read;
    const zip_int64_t n = zip_fread(m_file, data, static_cast<zip_uint64_t>(std::min(maxSize, room)));
    if (n < 0) {
        m_failure = QStringLiteral("%1 is damaged: %2").arg(m_name, zipErrorText(zip_file_get_error(m_file)));
        m_end = true;
        return -1;
    }
    m_read += n;
    if (m_read > m_maxBytes) {
        m_failure = QStringLiteral("%1 is larger than %2 MB").arg(m_name).arg(m_maxBytes >> 20);
        m_end = true;
        return -1;
    }
    if (n == 0)
        m_end = true;
    return n;
}

QByteArray readZipPart(const ZipArchive &archive, const QString &name, qint64 maxBytes, QString *error)
{
    ZipPart part(archive, name, maxBytes);
    if (!part.openPart(error))
        return {};
    QByteArray bytes = part.readAll();
    if (!part.failure().isEmpty()) {
        *error = part.failure();
        return {};
    }
    return bytes;
}

} // namespace server::workbook
