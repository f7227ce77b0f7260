// Octets to and from upper-case hexadecimal text.
#include "lumosms/HexText.h"

namespace lumosms {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
}

void appendHexOctet(std::string &out, std::uint8_t octet)
{
    out += kHexDigits[octet >> 4];
    out += kHexDigits[octet & 0x0F];
}

std::string toHex(std::span<const std::uint8_t> octets)
{
    std::string out;
    out.reserve(octets.size() * 2);
    for (std::uint8_t octet : octets)
        appendHexOctet(out, octet);
    return out;
}

std::optional<std::uint8_t> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> fromHex(std::string_view text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> octets;
    octets.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto high = hexDigitValue(text[i]);
        const auto low = hexDigitValue(text[i + 1]);
        if (!high || !low)
            return std::nullopt;
        octets.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
    }
    return octets;
}

} // namespace lumosms
