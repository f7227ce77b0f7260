// Counting the UTF-16 units of a GBK text on the caller's thread, without per-thread converter state.
#pragma once

#include <cstddef>
#include <string_view>

namespace lumosms {

/// The number of UTF-16 units the text converts to, counting every byte that does not convert as one
/// replacement unit (as common::gbkToUtf16 does). The converter is opened and closed within the call: a
/// per-thread converter left behind in a caller's thread would keep the library from being unloaded.
std::size_t utf16UnitCount(std::string_view gbk);

} // namespace lumosms
