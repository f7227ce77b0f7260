// Layout of the VoiceDB.dat file: table sizes, offsets, the silence byte and little-endian access.
#pragma once

#include <cstddef>
#include <cstdint>

namespace voxstore {

/// One unsigned 16-bit segment number per character code.
inline constexpr std::size_t kIndexEntries = 6896;
inline constexpr std::size_t kIndexTableBytes = kIndexEntries * 2;
/// The segment count N follows the index table.
inline constexpr std::size_t kSegmentCountOffset = kIndexTableBytes;
/// The segment table follows the count; it is also the smallest file that can be loaded.
inline constexpr std::size_t kSegmentTableOffset = kSegmentCountOffset + 2;
/// A segment entry: 32-bit offset into the audio area, 16-bit length.
inline constexpr std::size_t kSegmentEntryBytes = 6;
/// Segment lengths and the count are 16-bit fields.
inline constexpr std::size_t kMaxSegmentBytes = 0xFFFF;
inline constexpr std::size_t kMaxSegments = 0xFFFF;

/// The audio is 8-bit A-law at 8,000 samples per second.
inline constexpr int kSampleRate = 8000;
inline constexpr int kBytesPerMs = 8;
/// A-law silence, used for the pause after every character.
inline constexpr std::uint8_t kSilenceByte = 0x55;
/// The pause of speed 0, 35 ms.
inline constexpr std::int32_t kDefaultPauseBytes = 280;

inline std::uint16_t readU16(const std::uint8_t *p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readU32(const std::uint8_t *p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void writeU16(std::uint8_t *p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void writeU32(std::uint8_t *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace voxstore
