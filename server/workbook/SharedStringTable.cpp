// The .xls shared string table: de-duplication by hash, then SST records split at CONTINUE boundaries.
#include "server/workbook/SharedStringTable.h"

#include <algorithm>
#include <functional>

namespace server::workbook {

namespace {

constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kExtSst = 0x00FF;
// The most data a BIFF8 record holds.
constexpr std::size_t kMaxRecordData = 8224;

void put16(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Records whose length is patched when they are complete.
class RecordWriter
{
public:
    explicit RecordWriter(std::vector<std::uint8_t> &out) : m_out(out) {}
    ~RecordWriter() { end(); }

    void begin(std::uint16_t type)
    {
        end();
        m_start = m_out.size();
        put16(m_out, type);
        put16(m_out, 0);
        m_open = true;
    }
    void end()
    {
        if (!m_open)
            return;
        const std::size_t length = m_out.size() - m_start - 4;
        m_out[m_start + 2] = static_cast<std::uint8_t>(length);
        m_out[m_start + 3] = static_cast<std::uint8_t>(length >> 8);
        m_open = false;
    }
    std::size_t room() const { return kMaxRecordData - (m_out.size() - m_start - 4); }
    std::size_t offsetInRecord() const { return m_out.size() - m_start; }

private:
    std::vector<std::uint8_t> &m_out;
    std::size_t m_start = 0;
    bool m_open = false;
};

} // namespace

bool toBiffCharacters(std::string_view utf8, std::vector<std::uint16_t> *units)
{
    units->clear();
    bool compressed = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::uint32_t code;
        if (c < 0x80) {
            code = c;
            i += 1;
        } else if (c < 0xE0 && i + 1 < utf8.size()) {
            code = ((c & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
            i += 2;
        } else if (c < 0xF0 && i + 2 < utf8.size()) {
            code = ((c & 0x0Fu) << 12) | ((utf8[i + 1] & 0x3Fu) << 6) | (utf8[i + 2] & 0x3Fu);
            i += 3;
        } else if (i + 3 < utf8.size()) {
            code = ((c & 0x07u) << 18) | ((utf8[i + 1] & 0x3Fu) << 12) | ((utf8[i + 2] & 0x3Fu) << 6) |
                   (utf8[i + 3] & 0x3Fu);
            i += 4;
        } else {
            code = 0xFFFD; // the sheet keeps texts UTF-8; a cut sequence cannot reach here whole
            i = utf8.size();
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            units->push_back(static_cast<std::uint16_t>(0xD800 + (code >> 10)));
            units->push_back(static_cast<std::uint16_t>(0xDC00 + (code & 0x3FF)));
            compressed = false;
        } else {
            units->push_back(static_cast<std::uint16_t>(code));
            compressed = compressed && code < 0x100;
        }
    }
    return compressed;
}

std::uint32_t SharedStringTable::add(std::string_view text)
{
    ++m_total;
    if ((m_strings.size() + 1) * 2 > m_slots.size())
        rehash(std::max<std::size_t>(1024, m_slots.size() * 2));
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(text));
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = m_slots[i];
        if (slot == 0) {
            m_strings.push_back(text);
            m_slots[i] = static_cast<std::uint64_t>(hash) << 32 | m_strings.size();
            return static_cast<std::uint32_t>(m_strings.size() - 1);
        }
        const auto index = static_cast<std::uint32_t>(slot) - 1;
        if (static_cast<std::uint32_t>(slot >> 32) == hash && m_strings[index] == text)
            return index;
    }
}

void SharedStringTable::rehash(std::size_t slots)
{
    std::vector<std::uint64_t> old(slots, 0);
    old.swap(m_slots);
    const std::size_t mask = slots - 1;
    for (const std::uint64_t slot : old) {
        if (slot == 0)
            continue;
        std::size_t i = (slot >> 32) & mask;
        while (m_slots[i] != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

void SharedStringTable::writeRecords(std::vector<std::uint8_t> &out, std::size_t streamOffset) const
{
    // EXTSST: one entry per bucket of dsst strings, at most 128 buckets.
    const std::uint32_t perBucket = std::max<std::uint32_t>(8, uniqueCount() / 128 + 1);
    std::vector<std::pair<std::uint32_t, std::uint16_t>> buckets;
    std::vector<std::uint16_t> units;
    {
        RecordWriter record(out);
        record.begin(kSst);
        put32(out, m_total);
        put32(out, uniqueCount());
        for (std::uint32_t s = 0; s < uniqueCount(); ++s) {
            const bool compressed = toBiffCharacters(m_strings[s], &units);
            const std::size_t unit = compressed ? 1 : 2;
            // A string's header and its first character stay in one record.
            if (record.room() < 3 + unit)
                record.begin(kContinue);
            if (s % perBucket == 0)
                buckets.emplace_back(static_cast<std::uint32_t>(streamOffset + out.size()),
                                     static_cast<std::uint16_t>(record.offsetInRecord()));
            put16(out, static_cast<std::uint32_t>(units.size()));
            out.push_back(compressed ? 0x00 : 0x01);
            std::size_t done = 0;
            while (true) {
                const std::size_t n = std::min(units.size() - done, record.room() / unit);
                for (std::size_t k = done; k < done + n; ++k) {
                    out.push_back(static_cast<std::uint8_t>(units[k]));
                    if (!compressed)
                        out.push_back(static_cast<std::uint8_t>(units[k] >> 8));
                }
                done += n;
                if (done == units.size())
                    break;
                // The rest of the characters go on in a CONTINUE record that starts with their form.
                record.begin(kContinue);
                out.push_back(compressed ? 0x00 : 0x01);
            }
        }
    }
    RecordWriter record(out);
    record.begin(kExtSst);
    put16(out, perBucket);
    for (const auto &[position, offset] : buckets) {
        put32(out, position);
        put16(out, offset);
        put16(out, 0);
    }
}

} // namespace server::workbook
