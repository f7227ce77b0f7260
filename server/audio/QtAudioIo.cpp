// Playback pulls 16-bit samples from a buffer in memory; a timer follows its position and level and
// notices the end. Recording reads what the source has whenever it says so.
#include "server/audio/QtAudioIo.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace server::audio {
namespace {

QAudioFormat int16Format(int rate, int channels)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

QtAudioIo::QtAudioIo(QObject *parent) : AudioIo(parent), m_poll(new QTimer(this))
{
    m_poll->setInterval(50);
    connect(m_poll, &QTimer::timeout, this, &QtAudioIo::pollPlayback);
}

QtAudioIo::~QtAudioIo()
{
    release();
}

QString QtAudioIo::play(const Sound &sound)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return QStringLiteral("没有可用的放音设备，不能播放。");
    QAudioFormat format = int16Format(sound.rate, sound.channels);
    m_playing = sound;
    m_soundRate = sound.rate;
    if (!device.isFormatSupported(format)) {
        // A card that cannot play the sound's own rate plays it converted to the rate it prefers.
        const QAudioFormat preferred = device.preferredFormat();
        format = int16Format(preferred.sampleRate(), std::min(preferred.channelCount(), 2));
        if (!device.isFormatSupported(format) || !convert(m_playing, format.sampleRate(), format.channelCount()))
            return QStringLiteral("放音设备不支持这种声音格式（%1 Hz，%2 声道）。").arg(sound.rate).arg(sound.channels);
    }
    m_bytes.resize(static_cast<qsizetype>(m_playing.samples.size() * sizeof(qint16)));
    auto *out = reinterpret_cast<qint16 *>(m_bytes.data());
    for (std::size_t i = 0; i < m_playing.samples.size(); ++i)
        out[i] = static_cast<qint16>(std::lround(std::clamp(m_playing.samples[i], -1.0f, 1.0f) * 32767));
    m_buffer.close();
    m_buffer.setData(m_bytes);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
    if (m_sink->error() != QAudio::NoError) {
        release();
        return QStringLiteral("放音设备无法打开。");
    }
    m_poll->start();
    return {};
}

void QtAudioIo::pollPlayback()
{
    if (!m_sink)
        return;
    const qint64 played = m_sink->processedUSecs();
    // The position in the frames of the sound given, which may differ from those played.
    emit position(played * m_soundRate / 1000000);
    const auto f = static_cast<std::size_t>(std::max<qint64>(0, played * m_playing.rate / 1000000));
    const auto [left, right] = peakLevels(m_playing, f, f + static_cast<std::size_t>(m_playing.rate / 20));
    emit meter(left, right);
    if (m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError) {
        release();
        emit failed(QStringLiteral("放音设备出错，播放已停止。"));
    } else if (m_buffer.atEnd() && m_sink->state() == QAudio::IdleState) {
        release();
        emit endOfPlay();
    }
}

QString QtAudioIo::record(int rate, int channels)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return QStringLiteral("没有可用的录音设备，不能录音。");
    const QAudioFormat format = int16Format(rate, channels);
    if (!device.isFormatSupported(format))
        return QStringLiteral("录音设备不支持这种声音格式（%1 Hz，%2 声道）。").arg(rate).arg(channels);
    m_recordRate = rate;
    m_recordChannels = channels;
    m_source = std::make_unique<QAudioSource>(device, format);
    m_input = m_source->start();
    if (!m_input || m_source->error() != QAudio::NoError) {
        release();
        return QStringLiteral("录音设备无法打开。");
    }
    connect(m_input, &QIODevice::readyRead, this, &QtAudioIo::readCaptured);
    return {};
}

void QtAudioIo::readCaptured()
{
    if (!m_input)
        return;
    const QByteArray bytes = m_input->readAll();
    const auto *in = reinterpret_cast<const qint16 *>(bytes.constData());
    Sound frames{m_recordRate, m_recordChannels, {}};
    frames.samples.resize(static_cast<std::size_t>(bytes.size()) / sizeof(qint16));
    for (std::size_t i = 0; i < frames.samples.size(); ++i)
        frames.samples[i] = static_cast<float>(in[i]) / 32768.0f;
    if (frames.samples.empty())
        return;
    const auto [left, right] = peakLevels(frames, 0, frames.frames());
    emit meter(left, right);
    emit captured(frames);
}

void QtAudioIo::pause()
{
    if (m_sink)
        m_sink->suspend();
    if (m_source)
        m_source->suspend();
}

void QtAudioIo::resume()
{
    if (m_sink)
        m_sink->resume();
    if (m_source)
        m_source->resume();
}

void QtAudioIo::stop()
{
    readCaptured();
    release();
}

void QtAudioIo::release()
{
    m_poll->stop();
    if (m_input)
        disconnect(m_input, nullptr, this, nullptr);
    m_input = nullptr;
    if (m_source)
        m_source->stop();
    if (m_sink)
        m_sink->stop();
    m_source.reset();
    m_sink.reset();
    m_buffer.close();
}

} // namespace server::audio
