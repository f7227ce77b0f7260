// The board-independent keys of KtConfig.ini: [SystemConfig], [DebugView], [Fax], [FSKConfig] and the
// protocol sections, with the indexed lists those sections carry.
#pragma once

#include "ktcticonfig/model/KeyDef.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ktcticonfig {

/// Every global key, grouped; within a group the order is the order of writing.
std::span<const KeyDef> globalKeys();

/// Index of a key in globalKeys() by section and name (either spelling, without regard to case).
std::optional<std::size_t> globalKeyIndex(std::string_view section, std::string_view name);

/// The most item keys a row of a numbered list has.
inline constexpr std::size_t kMaxListItemKeys = 8;

/// A list of numbered keys ("Rule[0]", "Rule[1]", ...) whose length is held by a key of the table.
/// The items are kept as the texts the file holds; an item the file does not have stays absent.
struct IndexedListDef
{
    KeyGroup group;
    std::string_view section;
    std::string_view countKey;                   ///< a key of globalKeys() in the same section
    std::string_view itemKeys[kMaxListItemKeys]; ///< printf patterns with one %d; unused ones empty
    std::size_t maxLength;
    std::string_view itemDefaults[kMaxListItemKeys]; ///< what a new row holds, item by item

    /// The number of item keys in use.
    std::size_t itemCount() const;
};

std::span<const IndexedListDef> indexedLists();

/// The index in indexedLists() of the list whose count key is `countKey` in `section` (without regard
/// to case); indexedLists().size() when there is none.
std::size_t listIndex(std::string_view section, std::string_view countKey);

/// A row of a list as a new one starts: every item at its default.
std::vector<std::optional<std::string>> defaultListRow(std::size_t list);

/// No list is read beyond this many items, so that a damaged count cannot make the read run away.
inline constexpr int kMaxListItems = 1024;

/// Sections and their order as the reader takes them and as the writer takes them after the boards.
std::span<const KeyGroup> readOrder();

} // namespace ktcticonfig
