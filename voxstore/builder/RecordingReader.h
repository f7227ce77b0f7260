// Reading one recording in any format libsndfile knows and turning it into 8-bit A-law at 8 kHz.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace voxstore {

/// The recording as A-law bytes at 8,000 samples per second, mono. Files named *.voc or *.alaw are
/// taken as headerless A-law at 8 kHz already and copied as they are; every other file is opened with
/// libsndfile, mixed down to one channel, resampled when its rate differs and encoded. Throws
/// std::runtime_error naming the file when it cannot be read.
std::vector<std::uint8_t> readRecordingAsAlaw(const std::filesystem::path &file);

} // namespace voxstore
