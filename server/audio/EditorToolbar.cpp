// The rules table and the flag changes, each a switch over the buttons, so that they read as tables.
#include "server/audio/EditorToolbar.h"

namespace server::audio {

const EditorButtonText &buttonText(EditorButton button)
{
    static const EditorButtonText texts[kEditorButtonCount] = {
        {"新建", false},     {"打开", false}, {"保存", false}, {"复制", true},  {"粘贴", false}, {"剪切", false},
        {"取消", true},      {"重做", false}, {"放大", true},  {"缩小", false}, {"全屏", false}, {"放大音量", false},
        {"缩小音量", false}, {"播放", true},  {"录音", false}, {"暂停", false}, {"继续", false}, {"停止", false},
    };
    return texts[static_cast<int>(button)];
}

std::array<EditorButton, kEditorButtonCount> allEditorButtons()
{
    std::array<EditorButton, kEditorButtonCount> all{};
    for (int i = 0; i < kEditorButtonCount; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<EditorButton>(i);
    return all;
}

bool buttonEnabled(EditorButton button, const EditorFlags &f, const EditorQueries &editor)
{
    using B = EditorButton;
    const bool document = f.newDocument || f.fileOpen;
    const bool sound = f.recorded || f.fileOpen;
    const auto selected = [&] { return document && editor.selection && editor.selection(); };
    switch (button) {
    case B::New:
        return !f.recording && !f.playing;
    case B::Record:
        return f.newDocument && !f.recording;
    case B::Open:
        return !f.playing;
    case B::Save:
        return sound && !f.playing && !f.recording;
    case B::Copy:
    case B::Cut:
    case B::ZoomIn:
    case B::Louder:
    case B::Softer:
        return selected();
    case B::Paste:
        return document && f.clipboardFilled;
    case B::Undo:
        return editor.canUndo;
    case B::Redo:
        return editor.canRedo;
    case B::ZoomOut:
    case B::ZoomWhole:
        return document;
    case B::Play:
        return sound && !f.recording && !f.playing && !f.paused;
    case B::Pause:
        return document && f.playing && !f.paused;
    case B::Resume:
        return document && f.playing && f.paused;
    case B::Stop:
        return f.recording || f.playing;
    }
    return false;
}

EditorFlags flagsAfter(EditorButton button, EditorFlags f)
{
    using B = EditorButton;
    switch (button) {
    case B::New:
        return EditorFlags{.newDocument = true};
    case B::Open:
        return EditorFlags{.fileOpen = true};
    case B::Copy:
    case B::Cut:
        f.clipboardFilled = true;
        break;
    case B::Play:
        f.playing = true;
        break;
    case B::Record:
        f.recording = true;
        break;
    case B::Pause:
        f.paused = true;
        break;
    case B::Resume:
        f.paused = false;
        break;
    case B::Stop:
        if (f.recording) {
            f.recording = false;
            f.recorded = true;
        }
        f.playing = false;
        f.paused = false;
        break;
    case B::Save:
    case B::Paste:
    case B::Undo:
    case B::Redo:
    case B::ZoomIn:
    case B::ZoomOut:
    case B::ZoomWhole:
    case B::Louder:
    case B::Softer:
        break;
    }
    return f;
}

bool reappliesRules(EditorButton button)
{
    return button != EditorButton::Louder && button != EditorButton::Softer;
}

} // namespace server::audio
