// The control's operations on its document and device; the waveform follows every change.
#include "server/audio/TAudioEditor.h"

#include "server/audio/QtAudioIo.h"
#include "server/audio/WaveformView.h"

#include <QFileInfo>
#include <QVBoxLayout>

namespace server::audio {
namespace {

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo x(a), y(b);
    if (x.exists() && y.exists())
        return x.canonicalFilePath() == y.canonicalFilePath();
    return x.absoluteFilePath() == y.absoluteFilePath();
}

} // namespace

TAudioEditor::TAudioEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AudioEditor"));
    m_view = new WaveformView(m_document);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(m_view, &WaveformView::selecting, this, &TAudioEditor::select);
    m_document.reset({});
    setAudioIo(new QtAudioIo);
}

TAudioEditor::~TAudioEditor()
{
    // What the device still delivers while it stops has nobody left to show it.
    m_io->disconnect(this);
    disconnect();
    stopDevice();
}

void TAudioEditor::setAudioIo(AudioIo *io)
{
    if (m_io) {
        stopDevice();
        delete m_io;
    }
    m_io = io;
    m_io->setParent(this);
    connect(m_io, &AudioIo::meter, this, &TAudioEditor::OnMeter);
    connect(m_io, &AudioIo::position, this, [this](qint64 frame) {
        m_view->setPlayPosition(static_cast<qint64>(m_playFrom) + frame);
        emit OnChangePosition();
    });
    connect(m_io, &AudioIo::captured, this, [this](const Sound &frames) {
        if (!m_recording)
            return;
        m_document.append(frames);
        m_view->soundChanged();
        emit OnChangePosition();
    });
    connect(m_io, &AudioIo::endOfPlay, this, &TAudioEditor::deviceEnded);
    connect(m_io, &AudioIo::failed, this, [this](const QString &error) {
        const bool wasPlaying = m_playing;
        deviceEnded();
        if (!wasPlaying)
            m_recording = false;
        emit OnDeviceError(error);
    });
}

void TAudioEditor::deviceEnded()
{
    const bool wasPlaying = m_playing;
    m_playing = m_paused = false;
    m_view->setPlayPosition(-1);
    emit OnMeter(0, 0);
    if (wasPlaying)
        emit OnEndPlay();
}

void TAudioEditor::stopDevice()
{
    if (m_playing || m_recording)
        m_io->stop();
    m_playing = m_paused = m_recording = false;
    m_view->setPlayPosition(-1);
}

void TAudioEditor::changed()
{
    m_view->soundChanged();
    emit OnChangePosition();
}

QString TAudioEditor::edited(const QString &error)
{
    if (error.isEmpty())
        changed();
    return error;
}

void TAudioEditor::select(std::size_t begin, std::size_t end)
{
    m_document.select(begin, end);
    m_view->update();
    emit OnChangePosition();
}

QString TAudioEditor::NewDocument(int rate, int channels)
{
    if (rate <= 0 || channels < 1 || channels > 2)
        return QStringLiteral("声音格式不对：%1 Hz，%2 声道").arg(rate).arg(channels);
    stopDevice();
    m_document.reset({rate, channels, {}});
    m_view->zoomWhole();
    changed();
    return {};
}

QString TAudioEditor::OpenFile(const QString &name, int kind)
{
    FileFormat format = readFormatFor(name, m_raw, m_voxRate);
    if (kind == kVoxRecording)
        format = hasKnownHeader(name) ? FileFormat{} : voxFileFormat(m_voxRate);
    Sound sound;
    QString error;
    if (!readSoundFile(name, format, sound, error, [this](int percent) { emit OnBlockOperation(percent); }))
        return error;
    stopDevice();
    m_document.reset(std::move(sound));
    m_view->zoomWhole();
    changed();
    return {};
}

QString TAudioEditor::SaveFile(const QString &name, qint16 selection, int)
{
    const Selection &s = m_document.selection();
    const Sound sound = selection ? m_document.sound().part(s.begin, s.end) : m_document.sound();
    if (sound.frames() == 0)
        return QStringLiteral("没有可以保存的声音。");
    QString error;
    std::optional<FileFormat> format =
        sameFile(name, m_boardFile) ? boardFileFormat() : writeFormatFor(name, m_raw, m_voxRate, error);
    if (!format)
        return error;
    if (!writeSoundFile(name, sound, *format, error, [this](int percent) { emit OnBlockOperation(percent); }))
        return error;
    return {};
}

QString TAudioEditor::Play(int)
{
    if (m_recording)
        return QStringLiteral("正在录音，不能播放。");
    const Selection &s = m_document.selection();
    const Sound sound = s.empty() ? m_document.sound() : m_document.sound().part(s.begin, s.end);
    if (sound.frames() == 0)
        return QStringLiteral("没有可以播放的声音。");
    stopDevice();
    if (QString error = m_io->play(sound); !error.isEmpty())
        return error;
    m_playFrom = s.empty() ? 0 : s.begin;
    m_playing = true;
    return {};
}

QString TAudioEditor::Record(int)
{
    stopDevice();
    const Sound &sound = m_document.sound();
    if (QString error = m_io->record(sound.rate, sound.channels); !error.isEmpty())
        return error;
    m_document.keepForUndo();
    m_recording = true;
    return {};
}

QString TAudioEditor::Stop()
{
    const bool recorded = m_recording;
    stopDevice();
    if (recorded) {
        emit OnMeter(0, 0);
        changed();
    }
    return {};
}

QString TAudioEditor::Pause()
{
    if (!m_playing)
        return QStringLiteral("没有在播放。");
    m_io->pause();
    m_paused = true;
    return {};
}

QString TAudioEditor::Resume()
{
    if (!m_playing || !m_paused)
        return QStringLiteral("没有暂停的播放。");
    m_io->resume();
    m_paused = false;
    return {};
}

QString TAudioEditor::ZoomIn()
{
    if (!m_document.hasSelection())
        return QStringLiteral("没有选中的声音。");
    m_view->zoomIn();
    return {};
}

QString TAudioEditor::ZoomOut()
{
    m_view->zoomOut();
    return {};
}

QString TAudioEditor::ZoomWhole()
{
    m_view->zoomWhole();
    return {};
}

QString TAudioEditor::AfterOpen()
{
    m_document.select(0, 0);
    m_view->zoomWhole();
    emit OnChangePosition();
    return {};
}

QString TAudioEditor::Undo()
{
    if (m_recording)
        return QStringLiteral("正在录音，不能取消。");
    return edited(m_document.undo());
}

QString TAudioEditor::Redo()
{
    if (m_recording)
        return QStringLiteral("正在录音，不能重做。");
    return edited(m_document.redo());
}

QString TAudioEditor::Copy()
{
    return edited(m_document.copy());
}

QString TAudioEditor::Cut()
{
    return edited(m_document.cut());
}

QString TAudioEditor::Paste()
{
    return edited(m_document.paste());
}

QString TAudioEditor::ChangeGain(float percent)
{
    // The cursor and the selection stay where they are: no position event.
    QString error = m_document.changeGain(percent);
    m_view->soundChanged();
    return error;
}

QString TAudioEditor::ChooseWaveFormat()
{
    return {};
}

QString TAudioEditor::SetRawFormat(int code, int rate, int channels, int bits)
{
    if (code < 1 || code > 3 || rate <= 0 || channels < 1 || channels > 2 || bits != 8)
        return QStringLiteral("不支持的语音格式：%1，%2 Hz，%3 声道").arg(code).arg(rate).arg(channels);
    m_raw = {static_cast<RawEncoding>(code), rate, channels};
    return {};
}

QString TAudioEditor::SetVoxRate(int rate)
{
    if (rate <= 0)
        return QStringLiteral("不支持的采样率：%1").arg(rate);
    m_voxRate = rate;
    return {};
}

} // namespace server::audio
