// The values of the board-independent keys, held in the order of the key table, with the numbered
// lists of the protocol sections and the tone detector items.
#pragma once

#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/model/ToneDetectorItem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ktcticonfig {

struct KeyValue
{
    std::int32_t number = 0; ///< integer keys (UInt32 keys hold the bit pattern)
    std::string text;        ///< text, hexadecimal-text and character keys
    bool operator==(const KeyValue &) const = default;
};

/// One row of a numbered list: one item per item key of the list, absent where the file has none.
using ListRow = std::vector<std::optional<std::string>>;

class GlobalSettings
{
public:
    /// Every key at its read default, the built-in tone detector items, empty lists.
    GlobalSettings();

    std::int32_t number(std::string_view section, std::string_view name) const;
    const std::string &text(std::string_view section, std::string_view name) const;
    void setNumber(std::string_view section, std::string_view name, std::int32_t value);
    void setText(std::string_view section, std::string_view name, std::string value);

    /// Shorthands for [SystemConfig].
    std::int32_t system(std::string_view name) const { return number("SystemConfig", name); }
    void setSystem(std::string_view name, std::int32_t value) { setNumber("SystemConfig", name, value); }

    KeyValue &at(std::size_t keyIndex) { return m_values.at(keyIndex); }
    const KeyValue &at(std::size_t keyIndex) const { return m_values.at(keyIndex); }

    /// Items of indexedLists()[i]: one row per index, one item per item key.
    std::vector<ListRow> &list(std::size_t i) { return m_lists.at(i); }
    const std::vector<ListRow> &list(std::size_t i) const { return m_lists.at(i); }

    std::vector<ToneDetectorItem> toneItems;

    bool operator==(const GlobalSettings &) const = default;

private:
    std::size_t indexOf(std::string_view section, std::string_view name) const;

    std::vector<KeyValue> m_values;
    std::vector<std::vector<ListRow>> m_lists;
};

} // namespace ktcticonfig
