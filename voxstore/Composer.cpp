// Two passes over the text: the first sizes the audio and checks every character, the second copies.
#include "voxstore/Composer.h"

#include "voxstore/CharacterCode.h"
#include "voxstore/OutputFile.h"
#include "voxstore/VoxStore.h"

#include <cstring>
#include <memory>
#include <new>

namespace voxstore {
namespace {

// Larger compositions are refused before allocating: a composed file is a name or a short notice,
// and the board reads files of at most 2 GiB.
constexpr std::uint64_t kMaxComposedBytes = 0x7FFFFFFF;

template <typename Visit>
bool forEachSegment(const SegmentStore &store, std::string_view text, Visit visit)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    std::size_t remaining = text.size();
    while (remaining > 0) {
        const TextCharacter c = readCharacter(p, remaining);
        p += c.bytes;
        remaining -= c.bytes;
        const std::uint16_t s = store.segmentNumber(c.code);
        if (s >= store.segmentCount() || !visit(store.segment(s)))
            return false;
    }
    return true;
}

} // namespace

std::int32_t pauseBytesForSpeed(std::int32_t speed)
{
    const auto low = static_cast<std::int16_t>(speed);
    if (low == 0)
        return kDefaultPauseBytes;
    // A pause shorter than nothing cannot be built; no pause is the nearest.
    return low < 0 ? 0 : low * kBytesPerMs;
}

std::int32_t composeToFile(const SegmentStore &store, std::string_view text, const char *outFile)
{
    const auto pause = static_cast<std::size_t>(store.pauseBytes());
    std::uint64_t total = 0;
    if (!forEachSegment(store, text, [&](std::span<const std::uint8_t> segment) {
            total += segment.size() + pause;
            return true;
        }))
        return VOXSTORE_ERR_TEXT;
    if (total == 0)
        return VOXSTORE_ERR_TEXT;
    if (total > kMaxComposedBytes)
        return VOXSTORE_ERR_NO_MEMORY;

    const auto size = static_cast<std::size_t>(total);
    std::unique_ptr<std::uint8_t[]> audio(new (std::nothrow) std::uint8_t[size]);
    if (!audio)
        return VOXSTORE_ERR_NO_MEMORY;
    std::size_t used = 0;
    if (!forEachSegment(store, text, [&](std::span<const std::uint8_t> segment) {
            if (segment.size() + pause > size - used)
                return false;
            std::memcpy(audio.get() + used, segment.data(), segment.size());
            used += segment.size();
            std::memset(audio.get() + used, kSilenceByte, pause);
            used += pause;
            return true;
        }))
        return VOXSTORE_ERR_TEXT;
    if (used != size)
        return VOXSTORE_ERR_TEXT;
    return writeFileReplacing(outFile, audio.get(), size);
}

} // namespace voxstore
