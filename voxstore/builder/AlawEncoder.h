// G.711 A-law encoding of float samples, the byte format of every stored segment.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace voxstore {

/// Samples in -1..1 (clipped beyond) encoded as A-law bytes.
std::vector<std::uint8_t> encodeAlaw(std::span<const float> samples);

} // namespace voxstore
