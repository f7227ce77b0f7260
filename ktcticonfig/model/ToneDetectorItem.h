// One tone detector item (nineteen numbers) and the built-in set of five.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ktcticonfig {

/// The nineteen fields in file order (mode, F1..F3, T1..T3, filters, errors, period fields, tone type,
/// pop-driver, stop-detect, work condition), each kept at its own width.
struct ToneDetectorItem
{
    std::array<std::uint32_t, 19> fields{};
    bool operator==(const ToneDetectorItem &) const = default;
};

/// Reads "n,n,...": missing or malformed numbers are 0; each field is cut to its width.
ToneDetectorItem parseToneDetectorItem(std::string_view text);
/// Nineteen "%u" values separated by commas.
std::string formatToneDetectorItem(const ToneDetectorItem &item);

/// The built-in items: dial, busy, ring-back, fax F1, fax F2.
std::vector<ToneDetectorItem> builtInToneDetectorItems();

inline constexpr int kMaxToneDetectorItems = 20;
/// The MaxToneDetectorItem value that selects the built-in set.
inline constexpr int kBuiltInToneItemsMarker = 120;

} // namespace ktcticonfig
