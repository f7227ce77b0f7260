// Recordings of other rates, channels and formats arrive as 8 kHz A-law; raw .voc files pass as they are.
#include "voxstore/builder/RecordingReader.h"

#include "FixtureDatabase.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <stdexcept>

namespace voxstore::test {
namespace {

// A 440 Hz tone of the given length, written by libsndfile.
void writeTone(const std::filesystem::path &file, int format, int rate, int channels, double seconds)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *sound = sf_open(file.c_str(), SFM_WRITE, &info);
    ASSERT_NE(sound, nullptr) << sf_strerror(nullptr);
    const auto frames = static_cast<std::size_t>(rate * seconds);
    std::vector<float> samples(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.5f * static_cast<float>(std::sin(2 * M_PI * 440 * static_cast<double>(i / channels) / rate));
    sf_writef_float(sound, samples.data(), static_cast<sf_count_t>(frames));
    sf_close(sound);
}

TEST(RecordingReaderTest, ConvertsToEightKilohertzAlaw)
{
    ScratchFolder folder;
    const struct
    {
        const char *name;
        int format, rate, channels;
    } cases[] = {
        {"tone.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1},
        {"tone.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 16000, 2},
        {"tone8k.wav", SF_FORMAT_WAV | SF_FORMAT_ALAW, 8000, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeTone(folder.path(c.name), c.format, c.rate, c.channels, 0.5);
        const Bytes alaw = readRecordingAsAlaw(folder.path(c.name));
        EXPECT_NEAR(static_cast<double>(alaw.size()), 4000.0, 2.0); // half a second at 8 kHz
        // A tone of half full scale: A-law bytes far from silence (0xD5/0x55) appear.
        int loud = 0;
        for (const auto b : alaw)
            loud += ((b ^ 0x55) & 0x7F) > 0x50;
        EXPECT_GT(loud, 1000);
    }
}

TEST(RecordingReaderTest, RawVocPassesAndBadFilesAreNamed)
{
    ScratchFolder folder;
    writeFile(folder.path("seg.VOC"), Bytes{1, 2, 3});
    EXPECT_EQ(readRecordingAsAlaw(folder.path("seg.VOC")), (Bytes{1, 2, 3}));
    writeFile(folder.path("junk.wav"), std::string("not a sound"));
    for (const char *name : {"junk.wav", "missing.wav", "missing.voc"}) {
        try {
            readRecordingAsAlaw(folder.path(name));
            ADD_FAILURE() << name;
        } catch (const std::runtime_error &e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace voxstore::test
