// Unpacking of GSM 7-bit packed user data (septets), without translation from the GSM alphabet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace lumosms {

/// Octets needed to hold `septets` packed septets: ceil(septets * 7 / 8).
constexpr std::size_t packedOctetCount(std::size_t septets)
{
    return (septets * 7 + 7) / 8;
}

/// The first `count` septets packed in the octets, each stored unchanged as one character. Stops early
/// when the octets run out.
std::string unpackSeptets(std::span<const std::uint8_t> octets, std::size_t count);

} // namespace lumosms
