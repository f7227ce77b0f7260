// A sound device for tests: "records" the frames of a test sound and "plays" into memory; the test
// says when recorded frames arrive and when playing ends. It can also stand for a machine without a
// sound card.
#pragma once

#include "server/audio/AudioIo.h"

namespace server::audio::testing {

class WavAudioIo : public AudioIo
{
    Q_OBJECT

public:
    /// Records from `input` (a test WAV's sound, say).
    explicit WavAudioIo(Sound input = {}) : m_input(std::move(input)) {}

    QString play(const Sound &sound) override;
    QString record(int rate, int channels) override;
    void pause() override { paused = true; }
    void resume() override { paused = false; }
    /// Ends playing, and recording with the rest of the input delivered.
    void stop() override;

    /// Delivers the next frames of the input (all that are left when 0) as recorded.
    void deliver(std::size_t frames = 0);
    /// The playing reaches the end of its sound.
    void finishPlaying();

    /// Stands for a machine without a sound card: play and record refuse.
    bool noDevice = false;
    bool playing = false;
    bool paused = false;
    bool recording = false;
    Sound played;

private:
    Sound m_input;
    std::size_t m_delivered = 0;
};

/// The sound of a file by its header; an empty sound when it cannot be read.
Sound readTestSound(const QString &path);
/// A test sound: a sum of two sines (440 Hz and 1 kHz) of peak `amplitude`, `seconds` long.
Sound testTone(int rate, int channels, double seconds, float amplitude = 0.6f);

} // namespace server::audio::testing
