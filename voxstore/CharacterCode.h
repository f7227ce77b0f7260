// Reading a GBK text one character at a time and giving each character its index-table code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace voxstore {

/// The index-table code of one character and the number of text bytes it took.
struct TextCharacter
{
    std::uint16_t code;
    std::uint8_t bytes;
};

/// The character at p, with remaining > 0 bytes left in the text. ASCII bytes are their own code; a
/// GB2312 hanzi (lead 0xB0..0xF7, trail 0xA1..0xFE) follows the 128 ASCII codes in row-major order;
/// every other pair, and a lead byte that ends the text, shares code 0.
constexpr TextCharacter readCharacter(const unsigned char *p, std::size_t remaining)
{
    const unsigned lead = p[0];
    if (lead < 0x80)
        return {static_cast<std::uint16_t>(lead), 1};
    if (remaining < 2)
        return {0, 1};
    const unsigned trail = p[1];
    if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE)
        return {static_cast<std::uint16_t>(lead * 94 + trail - 16577), 2};
    return {0, 2};
}

} // namespace voxstore
