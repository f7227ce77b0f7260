// The prompt editor's toolbar without widgets: its buttons in order, the seven state flags, which
// buttons the flags enable and how each action changes the flags.
#pragma once

#include <array>
#include <functional>

namespace server::audio {

/// The toolbar's buttons, in their order on the bar.
enum class EditorButton
{
    New,
    Open,
    Save,
    Copy,
    Paste,
    Cut,
    Undo,
    Redo,
    ZoomIn,
    ZoomOut,
    ZoomWhole,
    Louder,
    Softer,
    Play,
    Record,
    Pause,
    Resume,
    Stop,
};
inline constexpr int kEditorButtonCount = 18;

/// A button's hint, as the toolbar shows it, and whether a separator stands before it.
struct EditorButtonText
{
    const char *hint;
    bool groupStart;
};
const EditorButtonText &buttonText(EditorButton button);
/// Every button, in order.
std::array<EditorButton, kEditorButtonCount> allEditorButtons();

/// The seven flags of the management window; all false when it opens.
struct EditorFlags
{
    bool fileOpen = false;
    bool playing = false;
    bool clipboardFilled = false;
    bool paused = false;
    bool newDocument = false;
    bool recorded = false;
    bool recording = false;

    bool operator==(const EditorFlags &) const = default;
};

/// What the rules ask of the editor. The selection is asked only when there is a document.
struct EditorQueries
{
    std::function<bool()> selection;
    bool canUndo = false;
    bool canRedo = false;
};

/// The button is enabled under these flags.
bool buttonEnabled(EditorButton button, const EditorFlags &flags, const EditorQueries &editor);
/// The flags after the button's action was done without an error.
EditorFlags flagsAfter(EditorButton button, EditorFlags flags);
/// The action ends by applying the rules again (the gain buttons do not).
bool reappliesRules(EditorButton button);

} // namespace server::audio
