// The sound device behind the prompt editor: playing and recording, so that a machine without a sound
// card, and the tests, put something else in its place.
#pragma once

#include "server/audio/Sound.h"

#include <QObject>
#include <QString>

namespace server::audio {

/// Starts work and returns at once; what follows comes as signals on the thread that owns the object.
class AudioIo : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /// Starts playing the sound; an error text (nothing started) when it cannot.
    virtual QString play(const Sound &sound) = 0;
    /// Starts recording at that rate and channel count; an error text when it cannot.
    virtual QString record(int rate, int channels) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    /// Ends playing or recording; what was recorded so far has been delivered when it returns.
    virtual void stop() = 0;

signals:
    /// Levels of the two channels, 0 to 100 (mono: both the same).
    void meter(int left, int right);
    /// The frame being played.
    void position(qint64 frame);
    /// Frames that were recorded, in the rate and channels asked for.
    void captured(const server::audio::Sound &frames);
    /// Playing reached the end of the sound.
    void endOfPlay();
    /// The device failed while working; it has stopped.
    void failed(const QString &error);
};

} // namespace server::audio
