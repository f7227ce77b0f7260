// Editing by whole-sound undo steps: a prompt is seconds long, so a copy per step is cheap and makes
// every operation undoable the same way.
#include "server/audio/SoundDocument.h"

#include <algorithm>

namespace server::audio {

void SoundDocument::reset(Sound sound)
{
    m_sound = std::move(sound);
    m_selection = {};
    m_undo.clear();
    m_redo.clear();
}

void SoundDocument::select(std::size_t begin, std::size_t end)
{
    const std::size_t frames = m_sound.frames();
    if (begin > end)
        std::swap(begin, end);
    m_selection = {std::min(begin, frames), std::min(end, frames)};
}

void SoundDocument::pushUndo()
{
    m_redo.clear();
    m_undo.push_back({m_sound, m_selection});
    std::size_t bytes = 0;
    for (const Step &s : m_undo)
        bytes += s.sound.samples.size() * sizeof(float);
    // The latest step always stays, however long the sound.
    while (m_undo.size() > 1 && (m_undo.size() > kUndoDepth || bytes > m_undoBytes)) {
        bytes -= m_undo.front().sound.samples.size() * sizeof(float);
        m_undo.pop_front();
    }
}

void SoundDocument::keepForUndo()
{
    pushUndo();
}

void SoundDocument::append(const Sound &frames)
{
    Sound in = frames;
    convert(in, m_sound.rate, m_sound.channels);
    m_sound.samples.insert(m_sound.samples.end(), in.samples.begin(), in.samples.end());
}

QString SoundDocument::copy()
{
    if (!hasSelection())
        return QStringLiteral("没有选中的声音");
    m_clipboard = m_sound.part(m_selection.begin, m_selection.end);
    return {};
}

QString SoundDocument::cut()
{
    if (QString error = copy(); !error.isEmpty())
        return error;
    pushUndo();
    const auto c = static_cast<std::ptrdiff_t>(m_sound.channels);
    m_sound.samples.erase(m_sound.samples.begin() + static_cast<std::ptrdiff_t>(m_selection.begin) * c,
                          m_sound.samples.begin() + static_cast<std::ptrdiff_t>(m_selection.end) * c);
    m_selection = {m_selection.begin, m_selection.begin};
    return {};
}

QString SoundDocument::paste()
{
    if (!m_clipboard)
        return QStringLiteral("剪贴板中没有声音");
    Sound in = *m_clipboard;
    if (!convert(in, m_sound.rate, m_sound.channels))
        return QStringLiteral("声音转换采样率失败");
    pushUndo();
    const auto c = static_cast<std::ptrdiff_t>(m_sound.channels);
    const auto begin = m_sound.samples.begin() + static_cast<std::ptrdiff_t>(m_selection.begin) * c;
    const auto at =
        m_sound.samples.erase(begin, m_sound.samples.begin() + static_cast<std::ptrdiff_t>(m_selection.end) * c);
    m_sound.samples.insert(at, in.samples.begin(), in.samples.end());
    // The pasted frames are selected, as they would be to paste them again elsewhere or to undo by eye.
    m_selection = {m_selection.begin, m_selection.begin + in.frames()};
    return {};
}

QString SoundDocument::changeGain(float percent)
{
    if (!hasSelection())
        return QStringLiteral("没有选中的声音");
    pushUndo();
    const float factor = percent / 100.0f;
    const auto c = static_cast<std::size_t>(m_sound.channels);
    for (std::size_t i = m_selection.begin * c; i < m_selection.end * c; ++i)
        m_sound.samples[i] = std::clamp(m_sound.samples[i] * factor, -1.0f, 1.0f);
    return {};
}

void SoundDocument::step(std::deque<Step> &from, std::deque<Step> &to)
{
    to.push_back({std::move(m_sound), m_selection});
    m_sound = std::move(from.back().sound);
    m_selection = from.back().selection;
    from.pop_back();
}

QString SoundDocument::undo()
{
    if (m_undo.empty())
        return QStringLiteral("没有可以取消的操作");
    step(m_undo, m_redo);
    return {};
}

QString SoundDocument::redo()
{
    if (m_redo.empty())
        return QStringLiteral("没有可以重做的操作");
    step(m_redo, m_undo);
    return {};
}

} // namespace server::audio
