// The prompt editor panel driven as an operator drives it, on the test sound device: the toolbar's
// flags and rules after each action, the format dialogs on open and save, errors of the editor in the
// general error display, playing a stored recording, and a picture of the panel.
#include "server/audio/PromptEditor.h"
#include "server/audio/QtAudioIo.h"
#include "server/audio/SoundFile.h"
#include "server/audio/TAudioEditor.h"
#include "server/audio/TVocFormatForm.h"
#include "server/audio/TVoxParaForm.h"
#include "server/audio/WaveformView.h"
#include "server/audio/tests/WavAudioIo.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>

namespace server::audio {
namespace {

using B = EditorButton;

const FileFormat kPcmWav{SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
/// As the board writes the recordings of calls.
const FileFormat kALawWav{SF_FORMAT_WAV | SF_FORMAT_ALAW, 0, 0};

class PromptEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        io = new testing::WavAudioIo(testing::testTone(16000, 1, 1.0));
        editor.setAudioIo(io);
        editor.setDialogRunner([this](QDialog &dialog) {
            shownDialogs << dialog.objectName();
            documentFramesWhenAsked = editor.editor().document().sound().frames();
            if (answerDialog)
                answerDialog(dialog);
            return dialogResult;
        });
        editor.resize(1100, 260);
    }

    /// The next open or save dialog answers with this file and the filter numbered from 1.
    void chooseFile(const QString &name, int filter)
    {
        const auto chooser = [name, filter](const QString &filters, QString *chosen) {
            *chosen = filters.split(QStringLiteral(";;")).value(filter - 1);
            return name;
        };
        editor.setOpenFileChooser(chooser);
        editor.setSaveFileChooser(chooser);
    }

    QString file(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    void writeFile(const char *name, const Sound &sound, FileFormat format)
    {
        QString error;
        ASSERT_TRUE(writeSoundFile(file(name), sound, format, error)) << error.toStdString();
    }
    /// A new document with one second recorded from the test sound.
    void recordOneSecond()
    {
        editor.click(B::New);
        editor.click(B::Record);
        io->deliver(4000);
        io->deliver();
        editor.click(B::Stop);
    }
    bool enabled(B button) const { return editor.action(button)->isEnabled(); }
    std::string lastError() const { return dialogs.shown.empty() ? std::string() : dialogs.shown.back().text; }

    QTemporaryDir dir;
    server::testing::RecordingDialogs dialogs;
    PromptEditor editor{dialogs};
    testing::WavAudioIo *io = nullptr;
    QStringList shownDialogs;
    std::size_t documentFramesWhenAsked = 0;
    std::function<void(QDialog &)> answerDialog;
    int dialogResult = QDialog::Accepted;
};

TEST_F(PromptEditorTest, RecordIntoANewDocumentThenPlayAndSave)
{
    EXPECT_FALSE(enabled(B::Record));
    editor.click(B::New);
    EXPECT_EQ(editor.flags(), (EditorFlags{.newDocument = true}));
    EXPECT_TRUE(enabled(B::Record));
    EXPECT_FALSE(enabled(B::Play));

    editor.click(B::Record);
    EXPECT_EQ(editor.flags(), (EditorFlags{.newDocument = true, .recording = true}));
    EXPECT_TRUE(io->recording);
    io->deliver(4000);
    EXPECT_EQ(editor.editor().document().sound().frames(), 4000u);
    EXPECT_TRUE(enabled(B::Stop));
    EXPECT_FALSE(enabled(B::Save));
    EXPECT_FALSE(enabled(B::Undo)); // not while the recording comes in

    editor.click(B::Stop);
    EXPECT_EQ(editor.flags(), (EditorFlags{.newDocument = true, .recorded = true}));
    EXPECT_NEAR(static_cast<double>(editor.editor().document().sound().frames()), 8000.0, 10.0); // 8 kHz mono
    EXPECT_TRUE(enabled(B::Play));
    EXPECT_TRUE(enabled(B::Save));
    EXPECT_TRUE(enabled(B::Undo)); // the recording can be undone

    editor.click(B::Play);
    EXPECT_TRUE(editor.flags().playing);
    EXPECT_EQ(io->played.frames(), editor.editor().document().sound().frames());
    EXPECT_FALSE(enabled(B::Save));
    editor.click(B::Pause);
    EXPECT_TRUE(editor.flags().paused);
    EXPECT_TRUE(io->paused);
    EXPECT_TRUE(enabled(B::Resume));
    EXPECT_FALSE(enabled(B::Pause));
    editor.click(B::Resume);
    EXPECT_FALSE(editor.flags().paused);
    io->finishPlaying();
    EXPECT_FALSE(editor.flags().playing);
    EXPECT_TRUE(enabled(B::Play));

    chooseFile(file("prompt.wav"), 7);
    editor.click(B::Save);
    EXPECT_TRUE(dialogs.shown.empty()) << lastError();
    Sound saved;
    QString error;
    ASSERT_TRUE(readSoundFile(file("prompt.wav"), {}, saved, error));
    EXPECT_EQ(saved.frames(), editor.editor().document().sound().frames());
    EXPECT_TRUE(shownDialogs.isEmpty()); // the Wav filter asks nothing
}

TEST_F(PromptEditorTest, StopWhilePlayingClearsPlayingAndPaused)
{
    recordOneSecond();
    editor.click(B::Play);
    editor.click(B::Pause);
    editor.click(B::Stop);
    EXPECT_EQ(editor.flags(), (EditorFlags{.newDocument = true, .recorded = true}));
    EXPECT_FALSE(io->playing);
}

TEST_F(PromptEditorTest, GainPasses140And60OnEveryClickAndUndoTakesItBack)
{
    recordOneSecond();
    editor.editor().select(1000, 3000);
    const std::vector<float> before = editor.editor().document().sound().samples;
    editor.click(B::Louder);
    editor.click(B::Louder);
    editor.click(B::Softer);
    const std::vector<float> &after = editor.editor().document().sound().samples;
    const auto gain = [](float v, float factor) { return std::clamp(v * factor, -1.0f, 1.0f); };
    for (std::size_t i = 990; i < 3010; ++i) {
        const bool selected = i >= 1000 && i < 3000;
        const float expected = selected ? gain(gain(gain(before[i], 1.4f), 1.4f), 0.6f) : before[i];
        ASSERT_NEAR(after[i], expected, 1e-6) << i;
    }
    editor.click(B::Undo);
    editor.click(B::Undo);
    editor.click(B::Undo);
    EXPECT_EQ(editor.editor().document().sound().samples, before);
    editor.click(B::Redo);
    EXPECT_NEAR(editor.editor().document().sound().samples[1500], gain(before[1500], 1.4f), 1e-6);
}

TEST_F(PromptEditorTest, GainDoesNotApplyTheRulesAgain)
{
    recordOneSecond();
    editor.editor().select(1000, 3000);
    editor.click(B::Louder);
    editor.click(B::Undo); // the rules run: Redo is on
    ASSERT_TRUE(enabled(B::Redo));
    editor.click(B::Softer);
    // The gain dropped the step to redo, but the toolbar was not asked again.
    EXPECT_FALSE(editor.editor().CanRedo());
    EXPECT_TRUE(enabled(B::Redo));
    editor.click(B::ZoomWhole); // the next action applies the rules
    EXPECT_FALSE(enabled(B::Redo));
}

TEST_F(PromptEditorTest, CopyCutPasteSetTheClipboardFlag)
{
    recordOneSecond();
    EXPECT_FALSE(enabled(B::Copy));
    editor.editor().select(0, 800);
    EXPECT_TRUE(enabled(B::Copy));
    EXPECT_FALSE(enabled(B::Paste));
    editor.click(B::Copy);
    EXPECT_TRUE(editor.flags().clipboardFilled);
    EXPECT_TRUE(enabled(B::Paste));
    const std::size_t frames = editor.editor().document().sound().frames();
    editor.editor().select(frames, frames);
    editor.click(B::Paste);
    EXPECT_EQ(editor.editor().document().sound().frames(), frames + 800);
    editor.editor().select(0, 400);
    editor.click(B::Cut);
    EXPECT_EQ(editor.editor().document().sound().frames(), frames + 400);
    EXPECT_TRUE(editor.flags().clipboardFilled);
}

TEST_F(PromptEditorTest, ZoomShowsTheSelectionAndTheWhole)
{
    recordOneSecond();
    editor.editor().select(2000, 4000);
    editor.click(B::ZoomIn);
    EXPECT_EQ(editor.editor().view().firstFrame(), 2000u);
    EXPECT_EQ(editor.editor().view().lastFrame(), 4000u);
    editor.click(B::ZoomOut);
    EXPECT_EQ(editor.editor().view().lastFrame() - editor.editor().view().firstFrame(), 4000u);
    editor.click(B::ZoomWhole);
    EXPECT_EQ(editor.editor().view().lastFrame(), editor.editor().document().sound().frames());
}

TEST_F(PromptEditorTest, ARecordingIsShownWholeAsItGrows)
{
    editor.click(B::New);
    editor.click(B::Record);
    io->deliver(1000);
    io->deliver(3000);
    EXPECT_EQ(editor.editor().view().firstFrame(), 0u);
    EXPECT_EQ(editor.editor().view().lastFrame(), 4000u);
}

TEST_F(PromptEditorTest, AnOpenedFileCannotBeRecordedInto)
{
    writeFile("a.wav", testing::testTone(8000, 1, 0.5), kPcmWav);
    editor.click(B::New);
    chooseFile(file("a.wav"), 7);
    editor.click(B::Open);
    EXPECT_EQ(editor.flags(), (EditorFlags{.fileOpen = true}));
    EXPECT_FALSE(enabled(B::Record));
    EXPECT_TRUE(enabled(B::Play));
    EXPECT_TRUE(enabled(B::Save));
    EXPECT_EQ(editor.editor().document().sound().frames(), 4000u);
}

TEST_F(PromptEditorTest, TheFilterChoosesTheFormatDialogBeforeTheFileIsOpened)
{
    writeFile("a.vox", testing::testTone(12000, 1, 0.5), voxFileFormat(12000));
    writeFile("a.raw", testing::testTone(16000, 2, 0.5), rawFileFormat({RawEncoding::Pcm16, 16000, 2}));
    writeFile("a.wav", testing::testTone(8000, 1, 0.25), kPcmWav);
    recordOneSecond();
    const std::size_t recorded = editor.editor().document().sound().frames();

    // VOX: the VOX dialog while the recording is still in the editor; its second item passes 12000.
    answerDialog = [](QDialog &d) { static_cast<TVoxParaForm &>(d).choose(1); };
    chooseFile(file("a.vox"), 6);
    editor.click(B::Open);
    EXPECT_EQ(shownDialogs, QStringList{QStringLiteral("VoxParaForm")});
    EXPECT_EQ(documentFramesWhenAsked, recorded);
    EXPECT_EQ(editor.editor().voxRate(), 12000);
    EXPECT_EQ(editor.editor().document().sound().rate, 12000);
    EXPECT_NEAR(static_cast<double>(editor.editor().document().sound().frames()), 6000.0, 2.0);

    // RAW: the raw format dialog; 16000 Hz, stereo, 16-bit PCM.
    answerDialog = [](QDialog &d) { static_cast<TVocFormatForm &>(d).choose(4, 1, 0); };
    chooseFile(file("a.raw"), 1);
    editor.click(B::Open);
    EXPECT_EQ(shownDialogs.last(), QStringLiteral("VocFormatForm"));
    EXPECT_EQ(editor.editor().document().sound().channels, 2);
    EXPECT_EQ(editor.editor().document().sound().frames(), 8000u);

    // Any other filter: straight to the file.
    shownDialogs.clear();
    chooseFile(file("a.wav"), 7);
    editor.click(B::Open);
    EXPECT_TRUE(shownDialogs.isEmpty());
    EXPECT_EQ(editor.editor().document().sound().frames(), 2000u);
    EXPECT_TRUE(dialogs.shown.empty()) << lastError();
}

TEST_F(PromptEditorTest, CancellingAFormatDialogKeepsTheFormatAndGoesOn)
{
    writeFile("a.vox", testing::testTone(8000, 1, 0.5), voxFileFormat(8000));
    dialogResult = QDialog::Rejected;
    answerDialog = [](QDialog &d) { static_cast<TVoxParaForm &>(d).choose(3); };
    chooseFile(file("a.vox"), 6);
    editor.click(B::Open);
    EXPECT_EQ(editor.editor().voxRate(), 8000);
    EXPECT_TRUE(editor.flags().fileOpen);
    EXPECT_EQ(editor.editor().document().sound().frames(), 4000u);
    // The dialog is made once and kept with its last choice.
    TVoxParaForm *form = editor.voxParaForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->rate(), 32000);
    answerDialog = nullptr;
    dialogResult = QDialog::Accepted;
    editor.click(B::Open);
    EXPECT_EQ(editor.voxParaForm(), form);
    EXPECT_EQ(editor.editor().voxRate(), 32000);
}

TEST_F(PromptEditorTest, CancellingTheFileDialogDoesNothing)
{
    chooseFile(QString(), 6);
    editor.click(B::Open);
    editor.click(B::Save);
    EXPECT_TRUE(shownDialogs.isEmpty());
    EXPECT_EQ(editor.flags(), EditorFlags{});
}

TEST_F(PromptEditorTest, TheRawFormatDialogPassesItsChoices)
{
    struct Case
    {
        int rate, quality, compression;
        RawEncoding encoding;
        int expectedRate, channels;
    };
    const Case cases[] = {{0, 0, 0, RawEncoding::Pcm16, 6000, 1},
                          {1, 0, 1, RawEncoding::ALaw, 8000, 1},
                          {2, 1, 2, RawEncoding::MuLaw, 11025, 2},
                          {3, 0, 1, RawEncoding::ALaw, 12000, 1},
                          {9, 1, 0, RawEncoding::Pcm16, 48000, 2}};
    recordOneSecond();
    for (const Case &c : cases) {
        answerDialog = [&c](QDialog &d) { static_cast<TVocFormatForm &>(d).choose(c.rate, c.quality, c.compression); };
        chooseFile(file("out.raw"), 1);
        editor.click(B::Save);
        const RawFormat &raw = editor.editor().rawFormat();
        EXPECT_EQ(raw.encoding, c.encoding);
        EXPECT_EQ(raw.rate, c.expectedRate);
        EXPECT_EQ(raw.channels, c.channels);
    }
    EXPECT_TRUE(dialogs.shown.empty()) << lastError();
    // Cancelled: nothing passed, the save goes on in the last format (48000 Hz stereo PCM).
    dialogResult = QDialog::Rejected;
    answerDialog = [](QDialog &d) { static_cast<TVocFormatForm &>(d).choose(1, 0, 1); };
    chooseFile(file("cancelled.raw"), 1);
    editor.click(B::Save);
    EXPECT_EQ(editor.editor().rawFormat().rate, 48000);
    EXPECT_NEAR(static_cast<double>(QFileInfo(file("cancelled.raw")).size()),
                static_cast<double>(editor.editor().document().sound().frames() * 6 * 2 * 2), 64.0);
}

TEST_F(PromptEditorTest, TheVoxDialogPassesTheRateEachItemShows)
{
    const int shown[] = {8000, 12000, 24000, 32000, 11025, 22050, 44100, 48000};
    recordOneSecond();
    for (int item = 0; item < 8; ++item) {
        answerDialog = [item](QDialog &d) { static_cast<TVoxParaForm &>(d).choose(item); };
        chooseFile(file("out.vox"), 6);
        editor.click(B::Save);
        EXPECT_EQ(editor.editor().voxRate(), shown[item]) << item;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << lastError();
}

TEST_F(PromptEditorTest, WithASelectionSaveAsksWhetherToSaveOnlyThatPart)
{
    recordOneSecond();
    const std::size_t whole = editor.editor().document().sound().frames();
    const struct
    {
        int answer;
        std::size_t frames; // 0: nothing saved
    } cases[] = {{QMessageBox::Yes, 2000}, {QMessageBox::No, whole}, {QMessageBox::Cancel, 0}};
    for (const auto &c : cases) {
        QFile::remove(file("part.wav"));
        editor.editor().select(1000, 3000);
        chooseFile(file("part.wav"), 7);
        shownDialogs.clear();
        dialogResult = c.answer;
        editor.click(B::Save);
        EXPECT_TRUE(shownDialogs.contains(QStringLiteral("SaveSelectionQuestion"))) << c.answer;
        Sound saved;
        QString error;
        EXPECT_EQ(readSoundFile(file("part.wav"), {}, saved, error) ? saved.frames() : 0u, c.frames) << c.answer;
    }
    // Without a selection nothing is asked and the whole sound is saved.
    editor.editor().select(0, 0);
    shownDialogs.clear();
    editor.click(B::Save);
    EXPECT_FALSE(shownDialogs.contains(QStringLiteral("SaveSelectionQuestion")));
}

TEST_F(PromptEditorTest, AnErrorOfTheEditorIsShownAndTheFlagsStay)
{
    // A file no library reads: the message says so and the toolbar stays as it was.
    QFile wma(file("a.wma"));
    ASSERT_TRUE(wma.open(QIODevice::WriteOnly));
    wma.write(QByteArray(1000, 'x'));
    wma.close();
    editor.click(B::New);
    chooseFile(file("a.wma"), 8);
    editor.click(B::Open);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "错误");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
    EXPECT_NE(lastError().find("无法读取这种声音格式"), std::string::npos) << lastError();
    EXPECT_EQ(editor.flags(), (EditorFlags{.newDocument = true}));

    // No sound card: recording says so and nothing changes.
    io->noDevice = true;
    editor.click(B::Record);
    EXPECT_EQ(lastError(), "没有可用的录音设备，不能录音。");
    EXPECT_EQ(editor.flags(), (EditorFlags{.newDocument = true}));
    EXPECT_TRUE(enabled(B::Record));
}

TEST_F(PromptEditorTest, LoadAndPlayOpensARecordingAsVoxAt8000AndPlaysIt)
{
    // The board's recordings are WAV files: read by their header.
    writeFile("call.wav", testing::testTone(8000, 1, 0.5), kALawWav);
    writeFile("call.vox", testing::testTone(8000, 1, 0.75), voxFileFormat(8000));
    recordOneSecond();
    ASSERT_TRUE(editor.editor().SetVoxRate(24000).isEmpty());
    for (const char *name : {"call.wav", "call.vox"}) {
        editor.LoadAndPlay(file(name), TAudioEditor::kVoxRecording);
        EXPECT_EQ(editor.flags(), (EditorFlags{.fileOpen = true, .playing = true})) << name;
        EXPECT_EQ(editor.editor().voxRate(), 8000);
        EXPECT_TRUE(io->playing);
        EXPECT_TRUE(enabled(B::Stop));
        EXPECT_FALSE(enabled(B::Open));
    }
    EXPECT_EQ(io->played.frames(), 6000u);
    EXPECT_TRUE(dialogs.shown.empty()) << lastError();
    io->finishPlaying();
    EXPECT_EQ(editor.flags(), (EditorFlags{.fileOpen = true}));
}

TEST_F(PromptEditorTest, LoadAndPlayWithoutASoundCardKeepsTheRecordingOpen)
{
    writeFile("call.wav", testing::testTone(8000, 1, 0.5), kALawWav);
    io->noDevice = true;
    editor.LoadAndPlay(file("call.wav"), TAudioEditor::kVoxRecording);
    EXPECT_EQ(lastError(), "没有可用的放音设备，不能播放。");
    EXPECT_EQ(editor.flags(), (EditorFlags{.fileOpen = true}));
    EXPECT_EQ(editor.editor().document().sound().frames(), 4000u);
}

TEST_F(PromptEditorTest, TheLevelBarsShowTheMeterAndBlockOperations)
{
    auto *left = editor.findChild<QProgressBar *>(QStringLiteral("LevelLeft"));
    auto *right = editor.findChild<QProgressBar *>(QStringLiteral("LevelRight"));
    editor.click(B::New);
    editor.click(B::Record);
    io->deliver(800);
    EXPECT_NEAR(left->value(), 60, 2); // the test tone's peak
    EXPECT_EQ(right->value(), left->value());
    emit editor.editor().OnBlockOperation(42);
    EXPECT_EQ(left->value(), 42);
    EXPECT_EQ(right->value(), 42);
}

TEST_F(PromptEditorTest, TheRealDeviceAnswersAtOnceWithOrWithoutASoundCard)
{
    // Whatever this machine has: the call returns at once, with playing started or a clear reason.
    recordOneSecond();
    editor.setAudioIo(new QtAudioIo);
    io = nullptr;
    QElapsedTimer timer;
    timer.start();
    editor.click(B::Play);
    EXPECT_TRUE(editor.flags().playing || !lastError().empty());
    editor.click(B::Stop);
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST_F(PromptEditorTest, PictureWithAWaveformAndASelection)
{
    recordOneSecond();
    editor.editor().select(2500, 5000);
    editor.show();
    QApplication::processEvents();
    EXPECT_TRUE(enabled(B::Louder));
    server::testing::saveWindowPicture(editor, "PromptEditor");
}

TEST_F(PromptEditorTest, PicturesOfTheFormatDialogs)
{
    dialogResult = QDialog::Rejected;
    answerDialog = [](QDialog &d) {
        d.show();
        QApplication::processEvents();
        EXPECT_GE(d.width(), d.sizeHint().width());
        server::testing::saveWindowPicture(d, d.objectName() == QLatin1String("VoxParaForm") ? "TVoxParaForm"
                                                                                             : "TVocFormatForm");
        d.hide();
    };
    chooseFile(QStringLiteral("/nonexistent/a.raw"), 1);
    editor.click(B::Open);
    chooseFile(QStringLiteral("/nonexistent/a.vox"), 6);
    editor.click(B::Open);
    EXPECT_EQ(shownDialogs, (QStringList{QStringLiteral("VocFormatForm"), QStringLiteral("VoxParaForm")}));
    EXPECT_EQ(editor.vocFormatForm()->windowTitle(), QStringLiteral("语音格式"));
    EXPECT_EQ(editor.voxParaForm()->windowTitle(), QStringLiteral("语音设置"));
}

} // namespace
} // namespace server::audio
