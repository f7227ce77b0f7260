// A sound held in memory: interleaved samples in [-1, 1] at a rate, and how to change its rate and
// channel count.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace server::audio {

struct Sound
{
    int rate = 8000;
    int channels = 1;
    /// Interleaved: frame f, channel c is samples[f * channels + c].
    std::vector<float> samples;

    std::size_t frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    /// The frames [from, to) as a sound of the same rate and channels.
    Sound part(std::size_t from, std::size_t to) const;
};

/// The level of the frames [from, to) as a meter shows it: the peak of the first two channels in
/// percent (mono: both the same).
std::pair<int, int> peakLevels(const Sound &sound, std::size_t from, std::size_t to);
/// The sound with that many channels: mono is the mean of the channels, more channels repeat mono.
Sound withChannels(const Sound &sound, int channels);
/// The sound at another rate, resampled in high quality. False (sound unchanged) when the resampler fails.
bool resample(Sound &sound, int rate);
/// The sound at that rate and channel count, converting only what differs.
bool convert(Sound &sound, int rate, int channels);

} // namespace server::audio
