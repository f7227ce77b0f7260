// The sound card through Qt Multimedia: playing from memory, recording in push mode, never waiting on
// the device.
#pragma once

#include "server/audio/AudioIo.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSink;
class QAudioSource;
class QIODevice;
class QTimer;

namespace server::audio {

class QtAudioIo : public AudioIo
{
    Q_OBJECT

public:
    explicit QtAudioIo(QObject *parent = nullptr);
    ~QtAudioIo() override;

    QString play(const Sound &sound) override;
    QString record(int rate, int channels) override;
    void pause() override;
    void resume() override;
    void stop() override;

private:
    void pollPlayback();
    void readCaptured();
    void release();

    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<QAudioSource> m_source;
    QBuffer m_buffer;
    QByteArray m_bytes;
    Sound m_playing;
    int m_soundRate = 8000;
    QIODevice *m_input = nullptr;
    QTimer *m_poll = nullptr;
    int m_recordChannels = 1;
    int m_recordRate = 8000;
};

} // namespace server::audio
