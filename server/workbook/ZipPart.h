// A zip archive read through libzip, and one of its members read as a device, with a size cap.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

struct zip;
struct zip_file;

namespace server::workbook {

/// A zip archive opened for reading, from a file or from bytes in memory.
class ZipArchive
{
public:
    ZipArchive() = default;
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool openFile(const QString &path, QString *error);
    /// data must stay as it is while the archive is open.
    bool openData(const QByteArray &data, QString *error);

    /// Whether a member of that name exists; names compare without regard to letter case, as the
    /// package format wants.
    bool contains(const QString &name) const;
    struct zip *handle() const { return m_zip; }

private:
    struct zip *m_zip = nullptr;
};

/// One member of an archive read as a sequential device: at most maxBytes of it, so that a member
/// that inflates to more fails instead of filling memory or running for ever.
class ZipPart : public QIODevice
{
public:
    ZipPart(const ZipArchive &archive, const QString &name, qint64 maxBytes);
    ~ZipPart() override;

    /// Opens the member; false with error set when it is missing, encrypted, or larger than the cap.
    bool openPart(QString *error);
    /// Why reading stopped early (a damaged member, a checksum that does not match, the cap); empty
    /// when the member was read to its end.
    const QString &failure() const { return m_failure; }
    const QString &name() const { return m_name; }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_end && QIODevice::bytesAvailable() == 0; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const ZipArchive &m_archive;
    QString m_name;
    qint64 m_maxBytes;
    qint64 m_read = 0;
    struct zip_file *m_file = nullptr;
    bool m_end = false;
    QString m_failure;
};

/// The whole member as bytes (for the small parts), or an empty array with error set.
QByteArray readZipPart(const ZipArchive &archive, const QString &name, qint64 maxBytes, QString *error);

} // namespace server::workbook
