// Writing of WAV files (A-law, 8 kHz, mono): heard audio and recorded conversations.
#pragma once

#include "ktdrv/src/LineSound.h"
#include "ktdrv/src/Player.h"

#include <string>
#include <vector>

namespace ktdrv {

/// Writes the stretch [from, to) of a channel's audio: the played pieces in their places, mixed with
/// the far end's sounds when farEnd is given (voice as a vowel-like tone, tones at 450 Hz, keys as
/// DTMF), silence elsewhere. False with error set when the file cannot be written.
bool writeAudioFile(const std::string &path, Ms from, Ms to, const std::vector<PlayedPiece> &pieces,
                    const std::vector<SoundSegment> *farEnd, const ToneTiming &timing, std::string &error);

} // namespace ktdrv
