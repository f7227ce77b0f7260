// The waveform of the editor's sound: one lane per channel, the selection shaded, the playing position
// as a line; the mouse selects, the zoom shows a part of the sound.
#pragma once

#include "server/audio/SoundDocument.h"

#include <QWidget>

namespace server::audio {

class WaveformView : public QWidget
{
    Q_OBJECT

public:
    explicit WaveformView(const SoundDocument &document, QWidget *parent = nullptr);

    /// The frames [first, last) are shown.
    std::size_t firstFrame() const { return m_first; }
    std::size_t lastFrame() const { return m_last; }
    /// Shows the selection across the whole width.
    void zoomIn();
    /// Shows twice as much around the middle.
    void zoomOut();
    void zoomWhole();
    /// The frame being played, or -1 when nothing plays.
    void setPlayPosition(qint64 frame);
    /// The sound changed: keeps the part shown inside it.
    void soundChanged();

    QSize sizeHint() const override { return {640, 140}; }
    QSize minimumSizeHint() const override { return {200, 80}; }

signals:
    /// The operator dragged over [begin, end) or clicked at begin (== end).
    void selecting(std::size_t begin, std::size_t end);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::size_t frameAt(int x) const;
    int xOf(std::size_t frame) const;

    const SoundDocument &m_document;
    std::size_t m_first = 0;
    std::size_t m_last = 0;
    std::size_t m_anchor = 0;
    qint64 m_play = -1;
    /// The whole sound is shown, however it grows.
    bool m_whole = true;
};

} // namespace server::audio
