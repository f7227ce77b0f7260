// The in-memory voice-segment store: one loaded VoiceDB.dat image and the pause length of composition.
#pragma once

#include "voxstore/VoiceDbFormat.h"

#include <cstdint>
#include <memory>
#include <span>

namespace voxstore {

class SegmentStore
{
public:
    /// Loads the file whole; a no-op returning 0 while loaded. Results as InstallVoxStore.
    std::int32_t install(const char *path);
    /// Releases the image and marks the store empty.
    void uninstall();

    bool isLoaded() const { return m_loaded != 0; }
    std::uint16_t segmentCount() const { return m_segmentCount; }
    /// The segment number the index table gives for a character code (code < kIndexEntries).
    std::uint16_t segmentNumber(std::uint16_t code) const { return readU16(m_indexTable + 2 * code); }
    /// The audio of segment s < segmentCount(); inside the image, as install checked.
    std::span<const std::uint8_t> segment(std::uint16_t s) const
    {
        const std::uint8_t *entry = m_segmentTable + kSegmentEntryBytes * s;
        return {m_audio + readU32(entry), readU16(entry + 4)};
    }

    std::int32_t pauseBytes() const { return m_pauseBytes; }
    void setPauseBytes(std::int32_t bytes) { m_pauseBytes = bytes; }

private:
    // The fields in the order the library has always kept them.
    std::int32_t m_pauseBytes = 200;
    std::uint8_t m_loaded = 0;
    const std::uint8_t *m_segmentTable = nullptr;
    std::uint16_t m_segmentCount = 0;
    const std::uint8_t *m_audio = nullptr;
    const std::uint8_t *m_indexTable = nullptr;
    std::unique_ptr<std::uint8_t[]> m_image;
    std::int32_t m_indexTableBytes = static_cast<std::int32_t>(kIndexTableBytes);
};

} // namespace voxstore
