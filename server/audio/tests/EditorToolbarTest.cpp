// The toolbar's rules as a table of flag states and the buttons they enable, and the flags every
// action leaves behind.
#include "server/audio/EditorToolbar.h"

#include <gtest/gtest.h>

#include <string>

namespace server::audio {
namespace {

using B = EditorButton;

/// The enabled buttons as a string of 18 characters in toolbar order: 1 on, 0 off.
std::string enabledButtons(const EditorFlags &flags, bool selection, bool undo = false, bool redo = false)
{
    EditorQueries queries{[selection] { return selection; }, undo, redo};
    std::string out;
    for (B b : allEditorButtons())
        out += buttonEnabled(b, flags, queries) ? '1' : '0';
    return out;
}

struct RulesCase
{
    const char *state;
    EditorFlags flags;
    bool selection;
    // New Open Save | Copy Paste Cut | Undo Redo | ZoomIn ZoomOut Whole Louder Softer | Play Rec Pause Resume Stop
    const char *enabled;
};

class ToolbarRules : public ::testing::TestWithParam<RulesCase>
{
};

TEST_P(ToolbarRules, EnableTheButtonsOfTheTable)
{
    const RulesCase &c = GetParam();
    std::string expected = c.enabled;
    std::erase(expected, ' ');
    EXPECT_EQ(enabledButtons(c.flags, c.selection), expected) << c.state;
}

INSTANTIATE_TEST_SUITE_P(
    States, ToolbarRules,
    ::testing::Values(
        RulesCase{"window opened", {}, true, "110 000 00 00000 00000"},
        RulesCase{"new document", {.newDocument = true}, false, "110 000 00 01100 01000"},
        RulesCase{"new document, selection", {.newDocument = true}, true, "110 101 00 11111 01000"},
        RulesCase{"recording", {.newDocument = true, .recording = true}, false, "010 000 00 01100 00001"},
        RulesCase{"recorded", {.newDocument = true, .recorded = true}, false, "111 000 00 01100 11000"},
        RulesCase{"file open", {.fileOpen = true}, false, "111 000 00 01100 10000"},
        RulesCase{"file open, clipboard", {.fileOpen = true, .clipboardFilled = true}, false, "111 010 00 01100 10000"},
        RulesCase{"playing", {.fileOpen = true, .playing = true}, true, "000 101 00 11111 00101"},
        RulesCase{"paused", {.fileOpen = true, .playing = true, .paused = true}, false, "000 000 00 01100 00011"},
        RulesCase{"clipboard without a document", {.clipboardFilled = true}, true, "110 000 00 00000 00000"},
        RulesCase{"recorded but no document", {.recorded = true}, false, "111 000 00 00000 10000"}),
    [](const ::testing::TestParamInfo<RulesCase> &info) { return "Case" + std::to_string(info.index); });

TEST(ToolbarRulesTest, UndoAndRedoFollowTheEditorAlone)
{
    EXPECT_EQ(enabledButtons({}, false, true, false).substr(6, 2), "10");
    EXPECT_EQ(enabledButtons({}, false, false, true).substr(6, 2), "01");
}

TEST(ToolbarRulesTest, TheSelectionIsAskedOnlyWithADocument)
{
    int asked = 0;
    EditorQueries queries{[&asked] { return ++asked, true; }, false, false};
    for (B b : allEditorButtons())
        buttonEnabled(b, {}, queries);
    EXPECT_EQ(asked, 0);
    buttonEnabled(B::Copy, {.fileOpen = true}, queries);
    EXPECT_EQ(asked, 1);
}

struct FlagsCase
{
    B button;
    EditorFlags before;
    EditorFlags after;
};

TEST(ToolbarFlagsTest, EveryActionLeavesTheFlagsOfTheTable)
{
    const EditorFlags all{true, true, true, true, true, true, true};
    const EditorFlags none{};
    const FlagsCase cases[] = {
        {B::New, all, {.newDocument = true}},
        {B::Open, all, {.fileOpen = true}},
        {B::Save, all, all},
        {B::Copy, none, {.clipboardFilled = true}},
        {B::Cut, {.fileOpen = true}, {.fileOpen = true, .clipboardFilled = true}},
        {B::Paste, all, all},
        {B::Undo, all, all},
        {B::Redo, none, none},
        {B::ZoomIn, all, all},
        {B::ZoomOut, none, none},
        {B::ZoomWhole, all, all},
        {B::Louder, all, all},
        {B::Softer, none, none},
        {B::Play, {.fileOpen = true}, {.fileOpen = true, .playing = true}},
        {B::Record, {.newDocument = true}, {.newDocument = true, .recording = true}},
        {B::Pause, {.playing = true}, {.playing = true, .paused = true}},
        {B::Resume, {.playing = true, .paused = true}, {.playing = true}},
        {B::Stop, {.newDocument = true, .recording = true}, {.newDocument = true, .recorded = true}},
        {B::Stop, {.fileOpen = true, .playing = true, .paused = true}, {.fileOpen = true}},
        {B::Stop, {.playing = true, .recorded = true}, {.recorded = true}},
    };
    for (const FlagsCase &c : cases)
        EXPECT_EQ(flagsAfter(c.button, c.before), c.after) << buttonText(c.button).hint;
}

TEST(ToolbarFlagsTest, OnlyTheGainButtonsLeaveTheRulesAlone)
{
    for (B b : allEditorButtons())
        EXPECT_EQ(reappliesRules(b), b != B::Louder && b != B::Softer) << buttonText(b).hint;
}

TEST(ToolbarTextTest, ButtonsInOrderWithTheirGroups)
{
    std::string hints, groups;
    for (B b : allEditorButtons()) {
        hints += std::string(buttonText(b).hint) + " ";
        groups += buttonText(b).groupStart ? '|' : '.';
    }
    EXPECT_EQ(hints,
              "新建 打开 保存 复制 粘贴 剪切 取消 重做 放大 缩小 全屏 放大音量 缩小音量 播放 录音 暂停 继续 停止 ");
    EXPECT_EQ(groups, "...|..|.|....|....");
}

} // namespace
} // namespace server::audio
