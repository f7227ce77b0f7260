// The shared string table of an .xls workbook: each distinct text once, and its SST and EXTSST records.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace server::workbook {

/// Collects the texts of an .xls workbook's cells, each distinct text once, and writes them as the
/// BIFF8 SST record with its CONTINUE records and the EXTSST index that Excel uses to find them.
/// The texts are not copied: they must stay where they are until the records are written.
class SharedStringTable
{
public:
    /// The index of text (UTF-8) in the table, adding it when it is new.
    std::uint32_t add(std::string_view text);

    std::uint32_t totalCount() const { return m_total; }
    std::uint32_t uniqueCount() const { return static_cast<std::uint32_t>(m_strings.size()); }

    /// Appends the SST, CONTINUE and EXTSST records to out; streamOffset is the position in the
    /// workbook stream at which out begins, for the EXTSST record's stream positions.
    void writeRecords(std::vector<std::uint8_t> &out, std::size_t streamOffset) const;

private:
    void rehash(std::size_t slots);

    std::vector<std::string_view> m_strings;
    // Open addressing: a string's hash in the high half, its index + 1 in m_strings in the low half
    // (0 for a free slot), so that most probes need no look at the string itself.
    std::vector<std::uint64_t> m_slots;
    std::uint32_t m_total = 0;
};

/// A text as a BIFF8 string's characters: UTF-16 code units, and whether they all fit in one byte
/// (the compressed form, Latin-1).
bool toBiffCharacters(std::string_view utf8, std::vector<std::uint16_t> *units);

} // namespace server::workbook
