// A-law encoding by spandsp, kept apart because its headers redefine the C rounding functions.
#include "voxstore/builder/AlawEncoder.h"

#include <algorithm>
#include <spandsp/telephony.h>
#include <spandsp/bit_operations.h>
#include <spandsp/g711.h>

namespace voxstore {

std::vector<std::uint8_t> encodeAlaw(std::span<const float> samples)
{
    std::vector<std::uint8_t> alaw(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float scaled = std::clamp(samples[i], -1.0f, 1.0f) * 32767.0f;
        alaw[i] = linear_to_alaw(static_cast<int>(scaled >= 0 ? scaled + 0.5f : scaled - 0.5f));
    }
    return alaw;
}

} // namespace voxstore
