// Composing a text into A-law audio: the segment of every character followed by a pause.
#pragma once

#include "voxstore/SegmentStore.h"

#include <cstdint>
#include <string_view>

namespace voxstore {

/// The pause after each character for a speed value (only its low 16 bits count): 0 gives the
/// default 280 bytes, a positive speed speed * 8 bytes, a negative speed no pause.
std::int32_t pauseBytesForSpeed(std::int32_t speed);

/// Composes text with the store's pause length and writes it to outFile. Results as TxtToVoc.
std::int32_t composeToFile(const SegmentStore &store, std::string_view text, const char *outFile);

} // namespace voxstore
