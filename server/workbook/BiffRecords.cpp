// BIFF records and strings: the record walk, data continued over CONTINUE records, UTF-8 texts.
#include "server/workbook/BiffRecords.h"

#include <algorithm>

namespace server::workbook {

namespace {

void appendCodePoint(std::string *out, char32_t c)
{
    if (c < 0x80) {
        out->push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (c >> 6)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (c >> 12)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (c >> 18)));
        out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

void appendUtf16(std::string *utf8, const char16_t *units, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            appendCodePoint(utf8, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            appendCodePoint(utf8, 0xFFFD);
        } else {
            appendCodePoint(utf8, u);
        }
    }
}

bool BiffCursor::next(BiffRecord *record)
{
    if (m_at + 4 > m_stream.size()) {
        m_truncated = m_at < m_stream.size();
        return false;
    }
    const auto *p = reinterpret_cast<const unsigned char *>(m_stream.constData() + m_at);
    const std::uint16_t type = static_cast<std::uint16_t>(p[0] | p[1] << 8);
    const std::uint16_t length = static_cast<std::uint16_t>(p[2] | p[3] << 8);
    if (m_at + 4 + length > m_stream.size()) {
        m_truncated = true;
        return false;
    }
    record->type = type;
    record->data = std::span<const char>(m_stream.constData() + m_at + 4, length);
    record->position = m_at;
    m_at += 4 + length;
    return true;
}

std::uint16_t BiffCursor::peekType() const
{
    if (m_at + 4 > m_stream.size())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(m_stream.constData() + m_at);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool ContinuedData::nextPart()
{
    if (m_part + 1 >= m_parts.size())
        return false;
    ++m_part;
    m_at = 0;
    return true;
}

bool ContinuedData::atEnd() const
{
    std::size_t part = m_part;
    std::size_t at = m_at;
    while (at == m_parts[part].size()) {
        if (part + 1 >= m_parts.size())
            return true;
        ++part;
        at = 0;
    }
    return false;
}

bool ContinuedData::skip(std::uint64_t n)
{
    while (n > 0) {
        if (available() == 0 && !nextPart())
            return false;
        const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(n, available()));
        m_at += take;
        n -= take;
    }
    return true;
}

bool ContinuedData::readU8(std::uint8_t *v)
{
    while (available() == 0)
        if (!nextPart())
            return false;
    *v = static_cast<std::uint8_t>(m_parts[m_part][m_at++]);
    return true;
}

bool ContinuedData::readU16(std::uint16_t *v)
{
    std::uint8_t lo = 0;
    std::uint8_t hi = 0;
    if (!readU8(&lo) || !readU8(&hi))
        return false;
    *v = static_cast<std::uint16_t>(lo | hi << 8);
    return true;
}

bool ContinuedData::readU32(std::uint32_t *v)
{
    std::uint16_t lo = 0;
    std::uint16_t hi = 0;
    if (!readU16(&lo) || !readU16(&hi))
        return false;
    *v = lo | static_cast<std::uint32_t>(hi) << 16;
    return true;
}

bool ContinuedData::readCharacters(std::uint32_t count, bool wide, std::string *utf8)
{
    std::u16string units;
    units.reserve(count);
    while (units.size() < count) {
        if (available() == 0) {
            // Characters go on in the next record, which starts with their width.
            std::uint8_t flags = 0;
            if (!nextPart() || available() == 0)
                return false;
            flags = static_cast<std::uint8_t>(m_parts[m_part][m_at++]);
            wide = (flags & 0x01) != 0;
            continue;
        }
        const std::span<const char> part = m_parts[m_part];
        const std::size_t size = wide ? 2 : 1;
        const std::size_t n = std::min<std::size_t>(count - units.size(), available() / size);
        if (n == 0)
            return false; // half a character before the end of a record
        for (std::size_t i = 0; i < n; ++i, m_at += size) {
            const auto lo = static_cast<unsigned char>(part[m_at]);
            units.push_back(wide ? static_cast<char16_t>(lo | static_cast<unsigned char>(part[m_at + 1]) << 8) : lo);
        }
    }
    appendUtf16(utf8, units.data(), units.size());
    return true;
}

bool ContinuedData::readString(bool shortCount, std::string *utf8)
{
    std::uint16_t count = 0;
    std::uint8_t flags = 0;
    if (shortCount) {
        std::uint8_t c = 0;
        if (!readU8(&c))
            return false;
        count = c;
    } else if (!readU16(&count)) {
        return false;
    }
    if (!readU8(&flags))
        return false;
    std::uint16_t runs = 0;
    std::uint32_t extension = 0;
    if ((flags & 0x08) != 0 && !readU16(&runs))
        return false;
    if ((flags & 0x04) != 0 && !readU32(&extension))
        return false;
    return readCharacters(count, (flags & 0x01) != 0, utf8) && skip(4u * runs) && skip(extension);
}

bool ContinuedData::readBytes(std::uint32_t count, QStringDecoder *codePage, std::string *utf8)
{
    QByteArray bytes;
    while (static_cast<std::uint32_t>(bytes.size()) < count) {
        if (available() == 0 && !nextPart())
            return false;
        const std::size_t n = std::min<std::size_t>(count - bytes.size(), available());
        bytes.append(m_parts[m_part].data() + m_at, static_cast<qsizetype>(n));
        m_at += n;
    }
    QString text;
    if (codePage != nullptr && codePage->isValid()) {
        codePage->resetState();
        text = codePage->decode(bytes);
    } else {
        text = QString::fromLatin1(bytes);
    }
    const QByteArray out = text.toUtf8();
    utf8->append(out.constData(), static_cast<std::size_t>(out.size()));
    return true;
}

} // namespace server::workbook
