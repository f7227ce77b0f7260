// The document of the prompt editor: its sound, the selection, the clipboard and the undo and redo
// steps. No widgets: the editor widget shows it and the tests drive it directly.
#pragma once

#include "server/audio/Sound.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <optional>

namespace server::audio {

/// Frames [begin, end) of the sound; empty when begin == end (then begin is the cursor).
struct Selection
{
    std::size_t begin = 0;
    std::size_t end = 0;

    bool empty() const { return begin >= end; }
    bool operator==(const Selection &) const = default;
};

class SoundDocument
{
public:
    /// How many steps undo reaches back at the most, and how many bytes of samples the steps keep at
    /// the most: a long sound keeps fewer steps.
    static constexpr std::size_t kUndoDepth = 32;
    static constexpr std::size_t kUndoBytes = 256u << 20;

    explicit SoundDocument(std::size_t undoBytes = kUndoBytes) : m_undoBytes(undoBytes) {}

    const Sound &sound() const { return m_sound; }
    const Selection &selection() const { return m_selection; }
    bool hasSelection() const { return !m_selection.empty(); }
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    bool hasClipboard() const { return m_clipboard.has_value(); }

    /// A new, empty sound; the undo and redo steps go, the clipboard stays.
    void reset(Sound sound);
    /// Selects the frames [begin, end), clamped to the sound, in either order.
    void select(std::size_t begin, std::size_t end);

    /// Keeps the present sound as an undo step before a change that is not one of the operations below
    /// (a recording, say).
    void keepForUndo();
    /// Adds frames at the end (what a recording brings in), converted to the document's layout.
    void append(const Sound &frames);

    // The editing operations; each returns an error text, empty when it was done.
    QString copy();
    QString cut();
    /// Replaces the selection, or inserts at the cursor, with the clipboard.
    QString paste();
    /// Multiplies the selected samples by percent / 100, clipping at full scale.
    QString changeGain(float percent);
    QString undo();
    QString redo();

private:
    struct Step
    {
        Sound sound;
        Selection selection;
    };
    void pushUndo();
    /// Moves the present state onto `to` and takes the last step of `from` in its place.
    void step(std::deque<Step> &from, std::deque<Step> &to);

    std::size_t m_undoBytes;
    Sound m_sound;
    Selection m_selection;
    std::optional<Sound> m_clipboard;
    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
};

} // namespace server::audio
