// A notice recorded in the prompt editor and saved as the notice file is what the next call hears, on
// the software board: whatever the editor's working format, the file is saved as the board plays it.
#include "server/audio/EditorToolbar.h"
#include "server/audio/PromptEditor.h"
#include "server/audio/SoundFile.h"
#include "server/audio/TAudioEditor.h"
#include "server/audio/tests/WavAudioIo.h"
#include "server/data/TDM.h"
#include "server/tests/BoardInstallation.h"

#include <gtest/gtest.h>

#include <QFile>

namespace server {
namespace {

using audio::EditorButton;
using testing::exec;

class PromptNoticeTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        // Channel 3 in service; what each call hears is written.
        simulateHeardTrunks("ring:1,answer,voice:500,silence:4000,hangup");
        setup("CardParm", "Card1Use", "00010000");
        replaceFile("Notice.voc", QByteArray(8000, char(0x37))); // the notice before the operator's
        setup("Voice", "AdNotice", notice().toStdString());
    }

    QString notice() const { return programDir() + QStringLiteral("/Notice.voc"); }

    QByteArray noticeBytes()
    {
        QFile f(notice());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(PromptNoticeTest, ARecordedNoticeSavedAsTheNoticeFileIsWhatTheNextCallHears)
{
    start();
    dialogs.shown.clear(); // what the start-up said
    // The operator records one second from the microphone (a 16 kHz stereo test WAV) into a new
    // document and saves it under the notice file's name, choosing the Wav filter.
    const QString microphone = programDir() + QStringLiteral("/microphone.wav");
    QString error;
    ASSERT_TRUE(audio::writeSoundFile(microphone, audio::testing::testTone(16000, 2, 1.0),
                                      *audio::writeFormatFor(microphone, {}, 8000, error), error));
    audio::PromptEditor editor(dialogs);
    auto *io = new audio::testing::WavAudioIo(audio::testing::readTestSound(microphone));
    editor.setAudioIo(io);
    editor.setNoticeFile(QString::fromStdString(service().settings().AdNotice));
    editor.click(EditorButton::New);
    editor.click(EditorButton::Record);
    io->deliver();
    editor.click(EditorButton::Stop);
    ASSERT_TRUE(editor.flags().recorded);
    editor.setSaveFileChooser([this](const QString &, QString *chosen) {
        *chosen = audio::PromptEditor::saveFilters().value(6); // "Wav Files"
        return notice();
    });
    editor.click(EditorButton::Save);
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown.back().text;

    // Headerless A-law at 8 kHz: one byte per sample, no RIFF header.
    const QByteArray saved = noticeBytes();
    EXPECT_NEAR(static_cast<double>(saved.size()), 8000.0, 16.0);
    EXPECT_FALSE(saved.startsWith("RIFF"));
    EXPECT_FALSE(saved.contains(QByteArray(100, char(0x37))));

    // The next call, on the service that was running all along, hears the operator's notice.
    exec(service().dataModule(), QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('13800000001','')"));
    runFor(15000);
    const QByteArray call = heard(3);
    ASSERT_FALSE(call.isEmpty());
    EXPECT_TRUE(call.contains(saved));
    EXPECT_FALSE(call.contains(QByteArray(100, char(0x37))));
}

} // namespace
} // namespace server
