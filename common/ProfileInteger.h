// The two integer rules of profile values: the strict rule of the server's settings and the
// leading-number rule of the Windows private-profile integer call.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace common {

/// Strict rule: decimal with an optional sign; "0x"/"0X" followed by at least one more character, or
/// "$", introduces hexadecimal (up to 32 bits, so "$FFFFFFFF" is -1). Anything else, an empty text,
/// trailing characters or a decimal value outside the 32-bit range, gives no value.
std::optional<std::int32_t> parseStrictInteger(std::string_view text);

/// Leading-number rule: an optional sign and the decimal digits that follow it, read up to the first
/// other character ("100ms" is 100); no digits gives 0; the value wraps at 32 bits.
std::int32_t parseLeadingInteger(std::string_view text);

} // namespace common
