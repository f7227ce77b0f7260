// The compound-file reader: header, DIFAT and allocation table, directory tree, stream chains.
#include "server/workbook/CompoundFileReader.h"

#include <cstdint>
#include <vector>

namespace server::workbook {

namespace {

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kHeaderDifatEntries = 109;

std::uint16_t u16(const char *p)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8);
}

std::uint32_t u32(const char *p)
{
    return u16(p) | static_cast<std::uint32_t>(u16(p + 2)) << 16;
}

class CompoundFile
{
public:
    explicit CompoundFile(const QByteArray &file) : m_file(file) {}

    bool read(std::initializer_list<const char16_t *> names, QByteArray *stream, QString *error)
    {
        if (!readHeader() || !readAllocationTable() || !readDirectory())
            return fail(error);
        const std::vector<Entry> children = rootChildren();
        const Entry *found = nullptr;
        for (const char16_t *name : names) {
            for (const Entry &e : children)
                if (e.type == 2 && e.name.compare(QString::fromUtf16(name), Qt::CaseInsensitive) == 0) {
                    found = &e;
                    break;
                }
            if (found != nullptr)
                break;
        }
        if (found == nullptr) {
            *error = QStringLiteral("it holds no Excel workbook stream");
            return false;
        }
        if (!readStream(*found, stream))
            return fail(error);
        return true;
    }

private:
    struct Entry
    {
        QString name;
        std::uint8_t type = 0;
        std::uint32_t left = kNoStream;
        std::uint32_t right = kNoStream;
        std::uint32_t child = kNoStream;
        std::uint32_t start = 0;
        std::uint64_t size = 0;
    };

    bool fail(QString *error) const
    {
        *error = m_why;
        return false;
    }

    bool bad(const char *why)
    {
        m_why = QString::fromLatin1(why);
        return false;
    }

    const char *sector(std::uint32_t n) const
    {
        const qint64 at = (static_cast<qint64>(n) + 1) << m_shift;
        if (n > kMaxRegularSector || at + static_cast<qint64>(m_sectorSize) > m_file.size())
            return nullptr;
        return m_file.constData() + at;
    }

    bool readHeader()
    {
        static const char signature[8] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
        if (m_file.size() < 512 || !m_file.startsWith(QByteArray::fromRawData(signature, 8)))
            return bad("its compound-file header is damaged");
        const char *h = m_file.constData();
        m_shift = u16(h + 30);
        const std::uint16_t miniShift = u16(h + 32);
        if ((m_shift != 9 && m_shift != 12) || miniShift != 6 || u16(h + 28) != 0xFFFE)
            return bad("its compound-file header is damaged");
        m_sectorSize = std::size_t{1} << m_shift;
        m_fatSectors = u32(h + 44);
        m_directoryStart = u32(h + 48);
        m_miniCutoff = u32(h + 56);
        m_miniFatStart = u32(h + 60);
        m_difatStart = u32(h + 68);
        m_difatSectors = u32(h + 72);
        // No table can have more sectors than the file.
        const qint64 sectors = m_file.size() >> m_shift;
        if (m_fatSectors > sectors || m_difatSectors > sectors)
            return bad("its compound-file header is damaged");
        return true;
    }

    bool readAllocationTable()
    {
        std::vector<std::uint32_t> fatSectors;
        const char *h = m_file.constData();
        for (std::size_t i = 0; i < kHeaderDifatEntries && fatSectors.size() < m_fatSectors; ++i) {
            const std::uint32_t s = u32(h + 76 + 4 * i);
            if (s != kFreeSector)
                fatSectors.push_back(s);
        }
        std::uint32_t next = m_difatStart;
        const std::size_t perDifat = m_sectorSize / 4 - 1;
        for (std::uint32_t d = 0; d < m_difatSectors && next <= kMaxRegularSector && fatSectors.size() < m_fatSectors;
             ++d) {
            const char *s = sector(next);
            if (s == nullptr)
                return bad("it is truncated or damaged (a DIFAT sector lies outside the file)");
            for (std::size_t i = 0; i < perDifat && fatSectors.size() < m_fatSectors; ++i) {
                const std::uint32_t f = u32(s + 4 * i);
                if (f != kFreeSector)
                    fatSectors.push_back(f);
            }
            next = u32(s + 4 * perDifat);
        }
        m_fat.reserve(fatSectors.size() * (m_sectorSize / 4));
        for (const std::uint32_t f : fatSectors) {
            const char *s = sector(f);
            if (s == nullptr)
                return bad("it is truncated or damaged (an allocation sector lies outside the file)");
            for (std::size_t i = 0; i < m_sectorSize / 4; ++i)
                m_fat.push_back(u32(s + 4 * i));
        }
        if (m_fat.empty())
            return bad("its sector allocation table is empty");
        return true;
    }

    // The bytes of a chain of sectors (or mini sectors), at most maxBytes of them; a chain that
    // leaves the table or the file, or comes back to a sector, is damage.
    bool readChain(std::uint32_t start, bool mini, std::uint64_t maxBytes, QByteArray *out)
    {
        const std::vector<std::uint32_t> &table = mini ? m_miniFat : m_fat;
        const std::size_t size = mini ? 64 : m_sectorSize;
        std::vector<bool> seen(table.size(), false);
        out->clear();
        for (std::uint32_t s = start; s != kEndOfChain && static_cast<std::uint64_t>(out->size()) < maxBytes;
             s = table[s]) {
            if (s >= table.size() || seen[s])
                return bad("it is damaged (a sector chain leaves the table or loops)");
            seen[s] = true;
            if (mini) {
                const qint64 at = static_cast<qint64>(s) * 64;
                if (at + 64 > m_miniStream.size())
                    return bad("it is damaged (a mini sector lies outside the mini stream)");
                out->append(m_miniStream.constData() + at, 64);
            } else {
                const char *p = sector(s);
                if (p == nullptr)
                    return bad("it is truncated or damaged (a sector lies outside the file)");
                out->append(p, static_cast<qsizetype>(size));
            }
        }
        return true;
    }

    bool readDirectory()
    {
        QByteArray bytes;
        // A directory of a million entries is beyond any workbook.
        if (!readChain(m_directoryStart, false, std::uint64_t{128} << 20, &bytes))
            return false;
        for (qsizetype at = 0; at + 128 <= bytes.size(); at += 128) {
            const char *e = bytes.constData() + at;
            Entry entry;
            const std::uint16_t nameBytes = u16(e + 64);
            if (nameBytes >= 2 && nameBytes <= 64 && nameBytes % 2 == 0)
                for (int i = 0; i < nameBytes / 2 - 1; ++i)
                    entry.name.append(QChar(u16(e + 2 * i)));
            entry.type = static_cast<std::uint8_t>(e[66]);
            entry.left = u32(e + 68);
            entry.right = u32(e + 72);
            entry.child = u32(e + 76);
            entry.start = u32(e + 116);
            entry.size = u32(e + 120);
            // Version 3 files leave the high half of the size undefined.
            if (m_shift == 12)
                entry.size |= static_cast<std::uint64_t>(u32(e + 124)) << 32;
            m_entries.push_back(entry);
        }
        if (m_entries.empty() || m_entries[0].type != 5)
            return bad("its compound-file directory is damaged");
        return true;
    }

    // The entries directly in the root storage: the tree of siblings below the root's child.
    std::vector<Entry> rootChildren() const
    {
        std::vector<Entry> children;
        std::vector<bool> seen(m_entries.size(), false);
        std::vector<std::uint32_t> pending{m_entries[0].child};
        while (!pending.empty()) {
            const std::uint32_t i = pending.back();
            pending.pop_back();
            if (i >= m_entries.size() || seen[i])
                continue;
            seen[i] = true;
            children.push_back(m_entries[i]);
            pending.push_back(m_entries[i].left);
            pending.push_back(m_entries[i].right);
        }
        return children;
    }

    bool readStream(const Entry &entry, QByteArray *stream)
    {
        if (entry.size > static_cast<std::uint64_t>(m_file.size()))
            return bad("it is truncated or damaged (a stream is longer than the file)");
        const bool mini = entry.size < m_miniCutoff;
        if (mini) {
            if (!readChain(m_entries[0].start, false, m_entries[0].size, &m_miniStream))
                return false;
            QByteArray table;
            if (!readChain(m_miniFatStart, false, static_cast<std::uint64_t>(m_file.size()), &table))
                return false;
            for (qsizetype i = 0; i + 4 <= table.size(); i += 4)
                m_miniFat.push_back(u32(table.constData() + i));
        }
        if (!readChain(entry.start, mini, entry.size, stream))
            return false;
        if (static_cast<std::uint64_t>(stream->size()) < entry.size)
            return bad("it is truncated (a stream is longer than its sectors)");
        stream->truncate(static_cast<qsizetype>(entry.size));
        return true;
    }

    const QByteArray &m_file;
    unsigned m_shift = 9;
    std::size_t m_sectorSize = 512;
    std::uint32_t m_fatSectors = 0;
    std::uint32_t m_directoryStart = kEndOfChain;
    std::uint32_t m_miniCutoff = 4096;
    std::uint32_t m_miniFatStart = kEndOfChain;
    std::uint32_t m_difatStart = kEndOfChain;
    std::uint32_t m_difatSectors = 0;
    std::vector<std::uint32_t> m_fat;
    std::vector<std::uint32_t> m_miniFat;
    QByteArray m_miniStream;
    std::vector<Entry> m_entries;
    QString m_why;
};

} // namespace

bool readCompoundStream(const QByteArray &file, std::initializer_list<const char16_t *> names, QByteArray *stream,
                        QString *error)
{
    return CompoundFile(file).read(names, stream, error);
}

} // namespace server::workbook
