// The waveform is drawn as the minimum and maximum of the samples under each pixel column.
#include "server/audio/WaveformView.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace server::audio {

WaveformView::WaveformView(const SoundDocument &document, QWidget *parent) : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("WaveformView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WaveformView::zoomIn()
{
    const Selection &s = m_document.selection();
    if (!s.empty()) {
        m_first = s.begin;
        m_last = s.end;
        m_whole = m_first == 0 && m_last == m_document.sound().frames();
    }
    update();
}

void WaveformView::zoomOut()
{
    const std::size_t frames = m_document.sound().frames();
    const std::size_t width = std::max<std::size_t>(m_last - m_first, 1);
    const std::size_t middle = m_first + width / 2;
    m_first = middle > width ? middle - width : 0;
    m_last = std::min(frames, m_first + 2 * width);
    m_whole = m_first == 0 && m_last == frames;
    update();
}

void WaveformView::zoomWhole()
{
    m_first = 0;
    m_last = m_document.sound().frames();
    m_whole = true;
    update();
}

void WaveformView::setPlayPosition(qint64 frame)
{
    m_play = frame;
    update();
}

void WaveformView::soundChanged()
{
    const std::size_t frames = m_document.sound().frames();
    // A sound that grows while it is shown whole (a recording) stays shown whole.
    if (m_whole)
        m_last = frames;
    m_last = std::min(m_last, frames);
    m_first = std::min(m_first, m_last);
    update();
}

std::size_t WaveformView::frameAt(int x) const
{
    const std::size_t shown = m_last - m_first;
    const auto clamped = static_cast<std::size_t>(std::clamp(x, 0, std::max(width(), 1)));
    return m_first + shown * clamped / static_cast<std::size_t>(std::max(width(), 1));
}

int WaveformView::xOf(std::size_t frame) const
{
    const std::size_t shown = std::max<std::size_t>(m_last - m_first, 1);
    if (frame <= m_first)
        return 0;
    return static_cast<int>(std::min<std::size_t>((frame - m_first) * static_cast<std::size_t>(width()) / shown,
                                                  static_cast<std::size_t>(width())));
}

void WaveformView::mousePressEvent(QMouseEvent *event)
{
    m_anchor = frameAt(event->position().toPoint().x());
    emit selecting(m_anchor, m_anchor);
}

void WaveformView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit selecting(m_anchor, frameAt(event->position().toPoint().x()));
}

void WaveformView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(16, 24, 32));
    const Sound &sound = m_document.sound();
    const Selection &s = m_document.selection();
    if (!s.empty() && s.end > m_first && s.begin < m_last)
        p.fillRect(QRect(QPoint(xOf(s.begin), 0), QPoint(xOf(s.end), height())), QColor(60, 90, 150));
    const int channels = std::max(sound.channels, 1);
    const int lane = height() / channels;
    const auto c = static_cast<std::size_t>(channels);
    for (int ch = 0; ch < channels; ++ch) {
        const int middle = lane * ch + lane / 2;
        p.setPen(QColor(70, 80, 90));
        p.drawLine(0, middle, width(), middle);
        if (m_last <= m_first)
            continue;
        p.setPen(QColor(90, 220, 120));
        for (int x = 0; x < width(); ++x) {
            const std::size_t from = frameAt(x);
            const std::size_t to = std::max(frameAt(x + 1), from + 1);
            float low = 0, high = 0;
            for (std::size_t f = from; f < std::min(to, sound.frames()); ++f) {
                const float v = sound.samples[f * c + static_cast<std::size_t>(ch)];
                low = std::min(low, v);
                high = std::max(high, v);
            }
            p.drawLine(x, middle - static_cast<int>(high * static_cast<float>(lane / 2 - 2)), x,
                       middle - static_cast<int>(low * static_cast<float>(lane / 2 - 2)));
        }
    }
    p.setPen(QColor(240, 240, 240));
    const std::size_t cursor = m_play >= 0 ? static_cast<std::size_t>(m_play) : s.begin;
    if (cursor >= m_first && cursor <= m_last)
        p.drawLine(xOf(cursor), 0, xOf(cursor), height());
}

} // namespace server::audio
