// The VoiceDB.dat image written in the layout the store loads.
#include "voxstore/builder/VoiceDbWriter.h"

#include "voxstore/VoiceDbFormat.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace voxstore {

VoiceDbWriter::VoiceDbWriter() : m_index(kIndexEntries, 0), m_segments(1) {}

void VoiceDbWriter::setSegmentZero(std::span<const std::uint8_t> audio)
{
    if (audio.size() > kMaxSegmentBytes)
        throw std::runtime_error("segment of " + std::to_string(audio.size()) + " bytes is longer than the " +
                                 std::to_string(kMaxSegmentBytes) + " bytes a segment can hold");
    m_segments[0].assign(audio.begin(), audio.end());
}

std::uint16_t VoiceDbWriter::addSegment(std::span<const std::uint8_t> audio)
{
    if (audio.size() > kMaxSegmentBytes)
        throw std::runtime_error("segment of " + std::to_string(audio.size()) + " bytes (" +
                                 std::to_string(audio.size() / kBytesPerMs) + " ms) is longer than the " +
                                 std::to_string(kMaxSegmentBytes) + " bytes a segment can hold");
    if (m_segments.size() >= kMaxSegments)
        throw std::runtime_error("the database holds " + std::to_string(kMaxSegments) + " segments already");
    m_segments.emplace_back(audio.begin(), audio.end());
    return static_cast<std::uint16_t>(m_segments.size() - 1);
}

void VoiceDbWriter::mapCode(std::uint16_t code, std::uint16_t segment)
{
    m_index.at(code) = segment;
}

std::vector<std::uint8_t> VoiceDbWriter::image() const
{
    std::size_t audioBytes = 0;
    for (const auto &segment : m_segments)
        audioBytes += segment.size();
    // Offsets are 32-bit; at most 65,535 segments of 65,535 bytes always fit.
    const std::size_t audioStart = kSegmentTableOffset + kSegmentEntryBytes * m_segments.size();
    std::vector<std::uint8_t> image(audioStart + audioBytes);
    for (std::size_t code = 0; code < kIndexEntries; ++code)
        writeU16(image.data() + 2 * code, m_index[code]);
    writeU16(image.data() + kSegmentCountOffset, static_cast<std::uint16_t>(m_segments.size()));
    std::size_t offset = 0;
    for (std::size_t s = 0; s < m_segments.size(); ++s) {
        std::uint8_t *entry = image.data() + kSegmentTableOffset + kSegmentEntryBytes * s;
        writeU32(entry, static_cast<std::uint32_t>(offset));
        writeU16(entry + 4, static_cast<std::uint16_t>(m_segments[s].size()));
        std::copy(m_segments[s].begin(), m_segments[s].end(), image.begin() + audioStart + offset);
        offset += m_segments[s].size();
    }
    return image;
}

} // namespace voxstore
