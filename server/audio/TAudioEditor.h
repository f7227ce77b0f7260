// The sound editing control of the prompt editor: a waveform with a selection, and the operations and
// events the editor's toolbar works with. Every operation returns an error text, empty when it was done.
#pragma once

#include "server/audio/SoundDocument.h"
#include "server/audio/SoundFile.h"

#include <QString>
#include <QWidget>

namespace server::audio {

class AudioIo;
class WaveformView;

class TAudioEditor : public QWidget
{
    Q_OBJECT

public:
    /// OpenFile's kinds: a file the operator chose, and a recording of a call.
    static constexpr int kOpenedFile = 0;
    static constexpr int kVoxRecording = 1;

    explicit TAudioEditor(QWidget *parent = nullptr);
    ~TAudioEditor() override;

    /// The sound device; the editor takes it over. A Qt Multimedia device until another is set.
    void setAudioIo(AudioIo *io);
    AudioIo &audioIo() { return *m_io; }
    /// A file the board plays: whatever the working format, it is saved as the board reads it.
    void setBoardFile(const QString &path) { m_boardFile = path; }

    QString NewDocument(int rate, int channels);
    /// Opens a file: raw and VOX files by the formats set, others by their header. A recording of a
    /// call is read by its header when it has one the library knows, else as VOX at the VOX rate.
    QString OpenFile(const QString &name, int kind);
    /// Saves the whole sound, or the selection alone when `selection` is nonzero.
    QString SaveFile(const QString &name, qint16 selection, int reserved);
    /// Plays the selection, or the whole sound when nothing is selected.
    QString Play(int mode);
    /// Records into the end of the sound, in the sound's rate and channels.
    QString Record(int mode);
    QString Stop();
    QString Pause();
    QString Resume();
    QString ZoomIn();
    QString ZoomOut();
    QString ZoomWhole();
    /// Shows the opened sound whole with the cursor at its start.
    QString AfterOpen();
    QString Undo();
    QString Redo();
    QString Copy();
    QString Cut();
    QString Paste();
    QString ChangeGain(float percent);
    /// The next save to a .wav file writes 16-bit PCM at the sound's own rate and channels.
    QString ChooseWaveFormat();
    /// The layout of raw files: format code 1 16-bit PCM, 2 A-law, 3 µ-law; rate; channels; bits.
    QString SetRawFormat(int code, int rate, int channels, int bits);
    QString SetVoxRate(int rate);

    /// Nonzero when a part of the sound is selected.
    qint16 SelectionQuery() const { return m_document.hasSelection() ? 1 : 0; }
    /// Nothing is undone or redone while a recording comes in.
    bool CanUndo() const { return !m_recording && m_document.canUndo(); }
    bool CanRedo() const { return !m_recording && m_document.canRedo(); }

    const SoundDocument &document() const { return m_document; }
    /// Selects frames [begin, end) as the mouse does.
    void select(std::size_t begin, std::size_t end);
    const RawFormat &rawFormat() const { return m_raw; }
    int voxRate() const { return m_voxRate; }
    bool isPlaying() const { return m_playing; }
    bool isRecording() const { return m_recording; }
    WaveformView &view() { return *m_view; }

signals:
    void OnMeter(int LevelLeft, int LevelRight);
    /// A long operation (opening, saving) is that far.
    void OnBlockOperation(int Percent);
    /// The cursor, the selection or the sound changed.
    void OnChangePosition();
    void OnEndPlay();
    /// The device failed while playing or recording; it has stopped.
    void OnDeviceError(const QString &error);

private:
    void stopDevice();
    void changed();
    QString edited(const QString &error);
    void deviceEnded();

    SoundDocument m_document;
    WaveformView *m_view = nullptr;
    AudioIo *m_io = nullptr;
    RawFormat m_raw;
    int m_voxRate = 8000;
    QString m_boardFile;
    bool m_playing = false;
    bool m_paused = false;
    bool m_recording = false;
    std::size_t m_playFrom = 0;
};

} // namespace server::audio
