// Unpacking of GSM 7-bit packed user data.
#include "lumosms/Septets.h"

namespace lumosms {

std::string unpackSeptets(std::span<const std::uint8_t> octets, std::size_t count)
{
    std::string text;
    text.reserve(count);
    for (std::size_t septet = 0; septet < count; ++septet) {
        const std::size_t bit = septet * 7;
        const std::size_t index = bit / 8;
        const unsigned shift = bit % 8;
        if (index >= octets.size())
            break;
        unsigned value = octets[index] >> shift;
        // A septet that starts past bit 1 of its octet continues in the low bits of the next one.
        if (shift > 1) {
            if (index + 1 >= octets.size())
                break;
            value |= static_cast<unsigned>(octets[index + 1]) << (8 - shift);
        }
        text += static_cast<char>(value & 0x7F);
    }
    return text;
}

} // namespace lumosms
