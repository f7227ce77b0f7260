// The records of a BIFF stream (.xls), and the strings in them, continued or not.
#pragma once

#include <QByteArray>
#include <QStringDecoder>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace server::workbook {

/// One record: its type and its data inside the stream.
struct BiffRecord
{
    std::uint16_t type = 0;
    std::span<const char> data;
    /// The record's place in the stream, for the positions the workbook records give.
    qsizetype position = 0;
};

/// Walks the records of a stream from a position; a record cut off by the end of the stream ends
/// the walk and marks it truncated.
class BiffCursor
{
public:
    BiffCursor(const QByteArray &stream, qsizetype position) : m_stream(stream), m_at(position) {}

    /// The next record; false at the end of the stream.
    bool next(BiffRecord *record);
    /// The next record's type without moving on (0 at the end).
    std::uint16_t peekType() const;
    bool truncated() const { return m_truncated; }

private:
    const QByteArray &m_stream;
    qsizetype m_at;
    bool m_truncated = false;
};

/// The data of a record and of the CONTINUE records after it, read as one, with the rule of BIFF8
/// strings that characters going on in a CONTINUE record start with a byte of their own that says
/// whether they are one byte or two.
class ContinuedData
{
public:
    /// The record's data; its CONTINUE records follow through add().
    explicit ContinuedData(std::span<const char> first) { m_parts.push_back(first); }
    void add(std::span<const char> part) { m_parts.push_back(part); }

    bool atEnd() const;
    bool readU8(std::uint8_t *v);
    bool readU16(std::uint16_t *v);
    bool readU32(std::uint32_t *v);
    bool skip(std::uint64_t n);

    /// A BIFF8 string (XLUnicodeRichExtendedString): a 16-bit or, with shortCount, 8-bit character
    /// count, its flags, runs and extension skipped; appended to utf8.
    bool readString(bool shortCount, std::string *utf8);
    /// A BIFF5 string of count bytes in the workbook's code page.
    bool readBytes(std::uint32_t count, QStringDecoder *codePage, std::string *utf8);

private:
    bool readCharacters(std::uint32_t count, bool wide, std::string *utf8);
    std::size_t available() const { return m_parts[m_part].size() - m_at; }
    bool nextPart();

    std::vector<std::span<const char>> m_parts;
    std::size_t m_part = 0;
    std::size_t m_at = 0;
};

/// UTF-16 code units as UTF-8, an unpaired surrogate as U+FFFD.
void appendUtf16(std::string *utf8, const char16_t *units, std::size_t count);

} // namespace server::workbook
