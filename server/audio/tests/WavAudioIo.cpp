// The test device: recording converts the input to the layout asked for and hands it out in pieces.
#include "server/audio/tests/WavAudioIo.h"

#include "server/audio/SoundFile.h"

#include <cmath>
#include <numbers>

namespace server::audio::testing {

QString WavAudioIo::play(const Sound &sound)
{
    if (noDevice)
        return QStringLiteral("没有可用的放音设备，不能播放。");
    played = sound;
    playing = true;
    paused = false;
    return {};
}

QString WavAudioIo::record(int rate, int channels)
{
    if (noDevice)
        return QStringLiteral("没有可用的录音设备，不能录音。");
    convert(m_input, rate, channels);
    m_delivered = 0;
    recording = true;
    return {};
}

void WavAudioIo::stop()
{
    if (recording)
        deliver();
    recording = playing = paused = false;
}

void WavAudioIo::deliver(std::size_t frames)
{
    const std::size_t left = m_input.frames() - m_delivered;
    const std::size_t n = frames == 0 ? left : std::min(frames, left);
    if (!recording || n == 0)
        return;
    const Sound piece = m_input.part(m_delivered, m_delivered + n);
    m_delivered += n;
    const auto [l, r] = peakLevels(piece, 0, piece.frames());
    emit meter(l, r);
    emit captured(piece);
}

void WavAudioIo::finishPlaying()
{
    playing = paused = false;
    emit endOfPlay();
}

Sound readTestSound(const QString &path)
{
    Sound sound;
    QString error;
    readSoundFile(path, {}, sound, error);
    return sound;
}

Sound testTone(int rate, int channels, double seconds, float amplitude)
{
    const auto frames = static_cast<std::size_t>(rate * seconds);
    Sound sound{rate, channels, std::vector<float>(frames * static_cast<std::size_t>(channels))};
    for (std::size_t f = 0; f < frames; ++f) {
        const double t = static_cast<double>(f) / rate;
        const double v =
            0.5 * std::sin(2 * std::numbers::pi * 440 * t) + 0.5 * std::sin(2 * std::numbers::pi * 1000 * t);
        for (std::size_t c = 0; c < static_cast<std::size_t>(channels); ++c)
            sound.samples[f * static_cast<std::size_t>(channels) + c] =
                static_cast<float>(amplitude * v * (c == 0 ? 1.0 : 0.5));
    }
    return sound;
}

} // namespace server::audio::testing
