// The document's editing: gain on the selection with clipping, cut, copy and paste, and undo and redo
// that give back exactly what was there.
#include "server/audio/SoundDocument.h"
#include "server/audio/tests/WavAudioIo.h"

#include <gtest/gtest.h>

namespace server::audio {
namespace {

Sound ramp(std::size_t frames, int channels = 1)
{
    Sound s{8000, channels, {}};
    for (std::size_t i = 0; i < frames * static_cast<std::size_t>(channels); ++i)
        s.samples.push_back(static_cast<float>(i % 100) / 100.0f - 0.5f);
    return s;
}

TEST(SoundDocumentTest, GainChangesTheSelectionOnlyAndClipsAtFullScale)
{
    SoundDocument doc;
    doc.reset({8000, 1, {0.1f, 0.5f, -0.6f, 0.9f, 0.2f}});
    doc.select(1, 4);
    EXPECT_TRUE(doc.changeGain(140.0f).isEmpty());
    const std::vector<float> louder{0.1f, 0.7f, -0.84f, 1.0f, 0.2f};
    for (std::size_t i = 0; i < louder.size(); ++i)
        EXPECT_NEAR(doc.sound().samples[i], louder[i], 1e-6) << i;
    EXPECT_TRUE(doc.changeGain(60.0f).isEmpty());
    EXPECT_NEAR(doc.sound().samples[1], 0.42f, 1e-6);
    EXPECT_NEAR(doc.sound().samples[3], 0.6f, 1e-6); // the clipped sample stays clipped
    doc.select(2, 2);
    EXPECT_FALSE(doc.changeGain(140.0f).isEmpty()); // nothing selected
}

TEST(SoundDocumentTest, UndoAndRedoGiveBackEveryStepExactly)
{
    SoundDocument doc;
    const Sound original = ramp(1000);
    doc.reset(original);
    doc.select(100, 300);
    ASSERT_TRUE(doc.changeGain(140.0f).isEmpty());
    const Sound louder = doc.sound();
    ASSERT_TRUE(doc.cut().isEmpty());
    EXPECT_EQ(doc.sound().frames(), 800u);
    EXPECT_TRUE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());

    ASSERT_TRUE(doc.undo().isEmpty());
    EXPECT_EQ(doc.sound().samples, louder.samples);
    EXPECT_EQ(doc.selection(), (Selection{100, 300}));
    ASSERT_TRUE(doc.undo().isEmpty());
    EXPECT_EQ(doc.sound().samples, original.samples);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.undo().isEmpty());

    ASSERT_TRUE(doc.redo().isEmpty());
    EXPECT_EQ(doc.sound().samples, louder.samples);
    ASSERT_TRUE(doc.redo().isEmpty());
    EXPECT_EQ(doc.sound().frames(), 800u);
    EXPECT_FALSE(doc.redo().isEmpty());

    // A new change drops what could be redone.
    ASSERT_TRUE(doc.undo().isEmpty());
    doc.select(0, 10);
    ASSERT_TRUE(doc.changeGain(60.0f).isEmpty());
    EXPECT_FALSE(doc.canRedo());
}

TEST(SoundDocumentTest, UndoReachesBackALimitedNumberOfSteps)
{
    SoundDocument doc;
    doc.reset(ramp(10));
    doc.select(0, 10);
    for (std::size_t i = 0; i < SoundDocument::kUndoDepth + 5; ++i)
        ASSERT_TRUE(doc.changeGain(100.0f).isEmpty());
    std::size_t undone = 0;
    while (doc.undo().isEmpty())
        ++undone;
    EXPECT_EQ(undone, SoundDocument::kUndoDepth);

    // A long sound keeps as many steps as fit in the bytes given, and always the last one.
    SoundDocument small(3 * 1000 * sizeof(float));
    small.reset(ramp(1000));
    small.select(0, 1000);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(small.changeGain(100.0f).isEmpty());
    undone = 0;
    while (small.undo().isEmpty())
        ++undone;
    EXPECT_EQ(undone, 3u);
    SoundDocument tiny(1);
    tiny.reset(ramp(1000));
    tiny.select(0, 10);
    ASSERT_TRUE(tiny.changeGain(140.0f).isEmpty());
    EXPECT_TRUE(tiny.undo().isEmpty());
}

TEST(SoundDocumentTest, PasteReplacesTheSelectionOrInsertsAtTheCursor)
{
    SoundDocument doc;
    doc.reset({8000, 1, {1, 2, 3, 4, 5}});
    EXPECT_FALSE(doc.paste().isEmpty()); // nothing copied yet
    doc.select(1, 3);
    ASSERT_TRUE(doc.copy().isEmpty());
    EXPECT_TRUE(doc.hasClipboard());
    doc.select(5, 5);
    ASSERT_TRUE(doc.paste().isEmpty());
    EXPECT_EQ(doc.sound().samples, (std::vector<float>{1, 2, 3, 4, 5, 2, 3}));
    EXPECT_EQ(doc.selection(), (Selection{5, 7}));
    doc.select(0, 1);
    ASSERT_TRUE(doc.paste().isEmpty());
    EXPECT_EQ(doc.sound().samples, (std::vector<float>{2, 3, 2, 3, 4, 5, 2, 3}));
}

TEST(SoundDocumentTest, TheClipboardOutlivesANewSoundAndTakesItsLayout)
{
    SoundDocument doc;
    doc.reset(testing::testTone(16000, 2, 0.5));
    doc.select(0, 8000);
    ASSERT_TRUE(doc.copy().isEmpty());
    doc.reset({8000, 1, {}});
    ASSERT_TRUE(doc.paste().isEmpty());
    EXPECT_EQ(doc.sound().channels, 1);
    EXPECT_NEAR(static_cast<double>(doc.sound().frames()), 4000.0, 20.0);
}

TEST(SoundDocumentTest, RecordedFramesAreAppendedInTheDocumentsLayout)
{
    SoundDocument doc;
    doc.reset({8000, 1, {}});
    doc.keepForUndo();
    doc.append(testing::testTone(16000, 2, 0.25));
    EXPECT_NEAR(static_cast<double>(doc.sound().frames()), 2000.0, 20.0);
    ASSERT_TRUE(doc.undo().isEmpty());
    EXPECT_EQ(doc.sound().frames(), 0u);
}

} // namespace
} // namespace server::audio
