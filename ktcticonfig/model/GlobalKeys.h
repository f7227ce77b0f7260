// The board-independent keys of KtConfig.ini: [SystemConfig], [DebugView], [Fax], [FSKConfig] and the
// protocol sections, with the indexed lists those sections carry.
#pragma once

#include "ktcticonfig/model/KeyDef.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ktcticonfig {

/// Every global key, grouped; within a group the order is the order of writing.
std::span<const KeyDef> globalKeys();

/// Index of a key in globalKeys() by section and name (either spelling, without regard to case).
std::optional<std::size_t> globalKeyIndex(std::string_view section, std::string_view name);

/// A list of numbered keys ("Rule[0]", "Rule[1]", ...) whose length is held by a key of the table.
/// The items are kept as the texts the file holds.
struct IndexedListDef
{
    KeyGroup group;
    std::string_view section;
    std::string_view countKey;   ///< a key of globalKeys() in the same section
    std::string_view itemKeys[3]; ///< printf patterns with one %d; unused ones empty
    std::size_t maxLength;
};

std::span<const IndexedListDef> indexedLists();

/// No list is read beyond this many items, so that a damaged count cannot make the read run away.
inline constexpr int kMaxListItems = 1024;

/// Sections and their order as the reader takes them and as the writer takes them after the boards.
std::span<const KeyGroup> readOrder();

} // namespace ktcticonfig
