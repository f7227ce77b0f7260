// Digit strings to and from semi-octets: two digits per octet, each pair swapped, odd counts filled with F.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumosms {

/// The semi-octet hexadecimal text of a digit string: "8613" gives "6831", "123" gives "21F3".
/// The caller passes digits only.
std::string digitsToSemiOctets(std::string_view digits);

/// Two digits per octet, each pair swapped back, nothing removed (time stamps have no filler).
std::string swapSemiOctets(std::span<const std::uint8_t> octets);

/// The digits held in semi-octet octets, each pair swapped back and a final "F" filler removed. A nibble
/// above 9 reads as its hexadecimal digit ("A" .. "F"), as in time-zone octets with their sign bit.
std::string semiOctetsToDigits(std::span<const std::uint8_t> octets);

} // namespace lumosms
