// Digit strings to and from semi-octets.
#include "lumosms/SemiOctets.h"

namespace lumosms {

namespace {
constexpr char kNibbleDigits[] = "0123456789ABCDEF";
}

std::string digitsToSemiOctets(std::string_view digits)
{
    std::string out;
    out.reserve(digits.size() + 1);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        out += i + 1 < digits.size() ? digits[i + 1] : 'F';
        out += digits[i];
    }
    return out;
}

std::string swapSemiOctets(std::span<const std::uint8_t> octets)
{
    std::string digits;
    digits.reserve(octets.size() * 2);
    for (std::uint8_t octet : octets) {
        digits += kNibbleDigits[octet & 0x0F];
        digits += kNibbleDigits[octet >> 4];
    }
    return digits;
}

std::string semiOctetsToDigits(std::span<const std::uint8_t> octets)
{
    std::string digits = swapSemiOctets(octets);
    if (!digits.empty() && digits.back() == 'F')
        digits.pop_back();
    return digits;
}

} // namespace lumosms
