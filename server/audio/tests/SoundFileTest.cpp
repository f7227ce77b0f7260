// Every format saved and opened again keeps its samples within the loss of its codec; formats that
// cannot be read or written give a clear message; a save replaces the file whole.
#include "server/audio/SoundFile.h"
#include "server/audio/tests/WavAudioIo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace server::audio {
namespace {

/// The largest difference between two sounds' samples over their common length.
double maxDifference(const Sound &a, const Sound &b)
{
    double worst = 0;
    for (std::size_t i = 0; i < std::min(a.samples.size(), b.samples.size()); ++i)
        worst = std::max(worst, static_cast<double>(std::abs(a.samples[i] - b.samples[i])));
    return worst;
}

/// The best normalised correlation of the first channels over shifts up to maxLag frames either way:
/// lossy codecs may add a delay.
double correlation(const Sound &a, const Sound &b, int maxLag)
{
    const Sound x = withChannels(a, 1), y = withChannels(b, 1);
    double best = 0;
    for (int lag = -maxLag; lag <= maxLag; ++lag) {
        double xy = 0, xx = 0, yy = 0;
        for (std::size_t i = 0; i < x.samples.size(); ++i) {
            const auto j = static_cast<std::ptrdiff_t>(i) + lag;
            if (j < 0 || j >= static_cast<std::ptrdiff_t>(y.samples.size()))
                continue;
            const double u = x.samples[i], v = y.samples[static_cast<std::size_t>(j)];
            xy += u * v;
            xx += u * u;
            yy += v * v;
        }
        if (xx > 0 && yy > 0)
            best = std::max(best, xy / std::sqrt(xx * yy));
    }
    return best;
}

struct FormatCase
{
    const char *name;
    const char *file;
    RawFormat raw;
    int voxRate;
    int rate;        // of the sound saved
    int channels;    // of the sound saved
    double maxError; // > 0: sample by sample; 0: lossy, compared by correlation
};

class SoundFileRoundTrip : public ::testing::TestWithParam<FormatCase>
{
protected:
    QTemporaryDir dir;
};

TEST_P(SoundFileRoundTrip, KeepsTheSamples)
{
    const FormatCase &c = GetParam();
    const QString path = dir.filePath(QString::fromUtf8(c.file));
    const Sound sound = testing::testTone(c.rate, c.channels, 0.5);
    QString error;
    const std::optional<FileFormat> format = writeFormatFor(path, c.raw, c.voxRate, error);
    if (!format && QString::fromUtf8(c.file).endsWith(QLatin1String(".mp3")))
        GTEST_SKIP() << "this libsndfile cannot write MP3: " << error.toStdString();
    ASSERT_TRUE(format) << error.toStdString();
    ASSERT_TRUE(writeSoundFile(path, sound, *format, error)) << error.toStdString();

    Sound back;
    ASSERT_TRUE(readSoundFile(path, readFormatFor(path, c.raw, c.voxRate), back, error)) << error.toStdString();
    EXPECT_EQ(back.rate, c.rate);
    EXPECT_EQ(back.channels, c.channels);
    if (c.maxError > 0) {
        EXPECT_EQ(back.frames(), sound.frames());
        EXPECT_LE(maxDifference(sound, back), c.maxError);
    } else {
        EXPECT_NEAR(static_cast<double>(back.frames()), static_cast<double>(sound.frames()), 0.2 * c.rate);
        EXPECT_GT(correlation(sound, back, c.rate / 100), 0.9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SoundFileRoundTrip,
    ::testing::Values(FormatCase{"RawPcm", "a.raw", {RawEncoding::Pcm16, 8000, 1}, 8000, 8000, 1, 1.0 / 16384},
                      FormatCase{"RawALaw", "a.voc", {RawEncoding::ALaw, 8000, 1}, 8000, 8000, 1, 0.035},
                      FormatCase{"RawMuLawStereo", "a.pcm", {RawEncoding::MuLaw, 16000, 2}, 8000, 16000, 2, 0.035},
                      FormatCase{"Vox8000", "a.vox", {}, 8000, 8000, 1, 0},
                      FormatCase{"Vox12000", "a.vox", {}, 12000, 12000, 1, 0},
                      FormatCase{"Wav", "a.wav", {}, 8000, 22050, 2, 1.0 / 16384},
                      FormatCase{"Flac", "a.flac", {}, 8000, 16000, 1, 1.0 / 16384},
                      FormatCase{"Ogg", "a.ogg", {}, 8000, 16000, 1, 0},
                      FormatCase{"Mp3", "a.mp3", {}, 8000, 16000, 1, 0}),
    [](const ::testing::TestParamInfo<FormatCase> &info) { return std::string(info.param.name); });

TEST(SoundFileTest, TheBoardFileIsHeaderlessALawAt8kHzWhateverTheSound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notice.wav")); // the name does not choose the format
    const Sound sound = testing::testTone(16000, 2, 1.0);
    QString error;
    ASSERT_TRUE(writeSoundFile(path, sound, boardFileFormat(), error)) << error.toStdString();
    EXPECT_NEAR(static_cast<double>(QFile(path).size()), 8000.0, 2.0); // one byte per sample at 8 kHz
    Sound back;
    ASSERT_TRUE(readSoundFile(path, rawFileFormat({RawEncoding::ALaw, 8000, 1}), back, error));
    Sound expected = sound;
    ASSERT_TRUE(convert(expected, 8000, 1));
    EXPECT_GT(correlation(expected, back, 4), 0.99);
}

TEST(SoundFileTest, AFormatTheLibraryCannotReadSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("music.wma"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4000, char(0x30)));
    f.close();
    Sound sound{8000, 1, {0.5f}};
    QString error;
    EXPECT_FALSE(readSoundFile(path, readFormatFor(path, {}, 8000), sound, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("无法读取这种声音格式："))) << error.toStdString();
    EXPECT_EQ(sound.samples.size(), 1u); // unchanged
    EXPECT_FALSE(readSoundFile(dir.filePath(QStringLiteral("none.wav")), {}, sound, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("文件不存在："))) << error.toStdString();
    EXPECT_FALSE(writeFormatFor(path, {}, 8000, error));
    EXPECT_EQ(error, QStringLiteral("不能保存为这种格式：music.wma"));
}

TEST(SoundFileTest, ASaveReplacesTheFileWholeAndLeavesNothingBeside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.wav"));
    QString error;
    const FileFormat wav = *writeFormatFor(path, {}, 8000, error);
    ASSERT_TRUE(writeSoundFile(path, testing::testTone(8000, 1, 1.0), wav, error));
    ASSERT_TRUE(writeSoundFile(path, testing::testTone(8000, 1, 0.25), wav, error));
    Sound back;
    ASSERT_TRUE(readSoundFile(path, {}, back, error));
    EXPECT_EQ(back.frames(), 2000u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.wav")});
    // A folder that does not exist: an error, and no file anywhere.
    EXPECT_FALSE(writeSoundFile(dir.filePath(QStringLiteral("no/a.wav")), back, wav, error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace server::audio
