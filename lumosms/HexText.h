// Octets to and from the upper-case hexadecimal text that PDU mode carries.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumosms {

/// Appends one octet as two upper-case hexadecimal digits, high nibble first.
void appendHexOctet(std::string &out, std::uint8_t octet);

/// The octets as upper-case hexadecimal text.
std::string toHex(std::span<const std::uint8_t> octets);

/// The value of one hexadecimal digit (either case), nothing for any other character.
std::optional<std::uint8_t> hexDigitValue(char c);

/// The octets of a hexadecimal text; nothing when the text has an odd length or a character that is not
/// a hexadecimal digit, so that a damaged PDU line is recognised instead of decoded into wrong values.
std::optional<std::vector<std::uint8_t>> fromHex(std::string_view text);

} // namespace lumosms
