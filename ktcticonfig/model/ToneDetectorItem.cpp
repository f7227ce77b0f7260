// Tone detector items: parsing, formatting and the built-in set.
#include "ktcticonfig/model/ToneDetectorItem.h"

#include <cstdlib>

namespace ktcticonfig {

namespace {

// Field widths in bits, in file order (byte, 16-bit or 32-bit fields of the driver's record).
constexpr std::array<int, 19> kWidths = {8, 16, 16, 16, 16, 16, 16, 16, 16, 16, 32, 16, 8, 16, 32, 16, 8, 8, 8};

std::uint32_t cut(std::uint64_t value, int bits)
{
    return bits == 32 ? static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value & ((1u << bits) - 1));
}

} // namespace

ToneDetectorItem parseToneDetectorItem(std::string_view text)
{
    ToneDetectorItem item;
    std::string buffer(text);
    const char *p = buffer.c_str();
    for (std::size_t i = 0; i < item.fields.size(); ++i) {
        char *end = nullptr;
        const unsigned long long value = std::strtoull(p, &end, 10);
        if (end == p)
            break; // a malformed rest leaves the remaining fields 0
        item.fields[i] = cut(value, kWidths[i]);
        p = end;
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p != ',')
            break;
        ++p;
    }
    return item;
}

std::string formatToneDetectorItem(const ToneDetectorItem &item)
{
    std::string out;
    for (std::size_t i = 0; i < item.fields.size(); ++i) {
        if (i)
            out += ',';
        out += std::to_string(item.fields[i]);
    }
    return out;
}

std::vector<ToneDetectorItem> builtInToneDetectorItems()
{
    return {
        {{0, 450, 0, 0, 1500, 0, 0, 4, 10, 30, 50, 20, 0, 0, 0, 1, 1, 0, 0}},
        {{1, 450, 0, 0, 350, 350, 0, 4, 10, 30, 50, 20, 1, 2, 3000, 2, 1, 0, 0}},
        {{1, 450, 0, 0, 1000, 4000, 0, 4, 10, 30, 50, 20, 0, 1, 6000, 3, 1, 0, 0}},
        {{0, 1100, 0, 0, 250, 0, 0, 4, 10, 30, 50, 20, 0, 0, 0, 7, 1, 0, 0}},
        {{0, 2100, 0, 0, 250, 0, 0, 4, 10, 30, 50, 20, 0, 0, 0, 8, 1, 0, 0}},
    };
}

} // namespace ktcticonfig
