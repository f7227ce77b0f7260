// Channel mixing through the mean, resampling through libsoxr.
#include "server/audio/Sound.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>

namespace server::audio {

Sound Sound::part(std::size_t from, std::size_t to) const
{
    Sound out{rate, channels, {}};
    to = std::min(to, frames());
    if (from < to) {
        const auto c = static_cast<std::size_t>(channels);
        out.samples.assign(samples.begin() + static_cast<std::ptrdiff_t>(from * c),
                           samples.begin() + static_cast<std::ptrdiff_t>(to * c));
    }
    return out;
}

std::pair<int, int> peakLevels(const Sound &sound, std::size_t from, std::size_t to)
{
    float peak[2] = {0, 0};
    const auto c = static_cast<std::size_t>(sound.channels);
    to = std::min(to, sound.frames());
    for (std::size_t f = from; f < to; ++f)
        for (std::size_t ch = 0; ch < c; ++ch)
            peak[std::min<std::size_t>(ch, 1)] =
                std::max(peak[std::min<std::size_t>(ch, 1)], std::abs(sound.samples[f * c + ch]));
    if (c == 1)
        peak[1] = peak[0];
    return {static_cast<int>(std::lround(peak[0] * 100)), static_cast<int>(std::lround(peak[1] * 100))};
}

Sound withChannels(const Sound &sound, int channels)
{
    if (sound.channels == channels || channels < 1)
        return sound;
    const std::size_t frames = sound.frames();
    const auto in = static_cast<std::size_t>(sound.channels);
    const auto out = static_cast<std::size_t>(channels);
    Sound result{sound.rate, channels, std::vector<float>(frames * out)};
    for (std::size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (std::size_t c = 0; c < in; ++c)
            sum += sound.samples[f * in + c];
        const float mono = sum / static_cast<float>(in);
        for (std::size_t c = 0; c < out; ++c)
            result.samples[f * out + c] = mono;
    }
    return result;
}

bool resample(Sound &sound, int rate)
{
    if (sound.rate == rate || rate <= 0)
        return rate > 0;
    if (sound.samples.empty()) {
        sound.rate = rate;
        return true;
    }
    const auto channels = static_cast<unsigned>(sound.channels);
    const std::size_t frames = sound.frames();
    std::vector<float> out((static_cast<std::size_t>(std::ceil(static_cast<double>(frames) * rate / sound.rate)) + 16) *
                           channels);
    std::size_t produced = 0;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    if (soxr_oneshot(sound.rate, rate, channels, sound.samples.data(), frames, nullptr, out.data(),
                     out.size() / channels, &produced, &io, &quality, nullptr))
        return false;
    out.resize(produced * channels);
    sound.samples = std::move(out);
    sound.rate = rate;
    return true;
}

bool convert(Sound &sound, int rate, int channels)
{
    sound = withChannels(sound, channels);
    return resample(sound, rate);
}

} // namespace server::audio
