// Assembling a VoiceDB.dat image from segments and the character-to-segment index.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace voxstore {

class VoiceDbWriter
{
public:
    /// Starts with segment 0 empty and every character code sent to it.
    VoiceDbWriter();

    /// Replaces the audio of segment 0, the segment of every character without a recording.
    void setSegmentZero(std::span<const std::uint8_t> audio);
    /// Appends a segment and returns its number. Throws std::runtime_error when the segment is longer
    /// than 65,535 bytes or the database holds 65,535 segments already.
    std::uint16_t addSegment(std::span<const std::uint8_t> audio);
    /// Sends a character code (below 6,896) to a segment.
    void mapCode(std::uint16_t code, std::uint16_t segment);

    std::size_t segmentCount() const { return m_segments.size(); }
    /// The whole file: index table, count, segment table, audio area.
    std::vector<std::uint8_t> image() const;

private:
    std::vector<std::uint16_t> m_index;
    std::vector<std::vector<std::uint8_t>> m_segments;
};

} // namespace voxstore
