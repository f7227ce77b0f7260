// Recordings and heard audio: real WAV files (A-law, 8 kHz) that libsndfile reads back.
#include "BoardFixture.h"

#include <sndfile.h>

#include <fstream>
#include <iterator>

#include <vector>

namespace ktdrv::test {
namespace {

struct Wav
{
    SF_INFO info{};
    std::vector<short> samples;
};

Wav readWav(const std::string &path)
{
    Wav w;
    SNDFILE *f = sf_open(path.c_str(), SFM_READ, &w.info);
    if (!f)
        return w;
    w.samples.resize(static_cast<std::size_t>(w.info.frames));
    sf_read_short(f, w.samples.data(), w.info.frames);
    sf_close(f);
    return w;
}

bool loud(const Wav &w, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to && i < w.samples.size(); ++i)
        peak = std::max(peak, std::abs(static_cast<int>(w.samples[i])));
    return peak > 1000;
}

class ktdrvAudioTest : public BoardTest
{
protected:
    // Heard audio of every call goes to heard/.
    void writeHeardDir()
    {
        std::string sim;
        {
            std::ifstream in(m_dir / "KtSim.ini");
            sim.assign(std::istreambuf_iterator<char>(in), {});
        }
        sim.replace(sim.find("TimeMode=virtual"), 16, "TimeMode=virtual\nHeardDir=" + (m_dir / "heard").string());
        writeSim(sim);
    }

    // A caller on trunk 0 answered and bridged to the agent telephone 5, which has the segment "slicno"
    // (one second of sound) to play; heard audio on.
    void bridgeCallerToAgent()
    {
        writeHeardDir();
        voice("slicno.voc", 1000, 0x2A);
        ASSERT_EQ(start(), 0);
        TlxAutoDial(0, "8123");
        advance(8000);
        TlxSimSetHook(5, 1);
        TlxTalkWith(0, 5);
    }

    // Hangs up trunk 0 and reads what its line heard.
    Wav hangUpAndReadHeardAudio()
    {
        TlxHangup(0);
        char path[260];
        TlxSimGetHeardFile(0, path);
        return readWav(path);
    }
};

TEST_F(ktdrvAudioTest, RecordingHoldsTheConversationUntilStopped)
{
    ASSERT_EQ(start(), 0);
    TlxAutoDial(0, "8123");
    advance(2200 + 5000);
    std::string path = (m_dir / "talk.wav").string();
    ASSERT_EQ(TlxSetRecMixer(0, 1, 0), 0);
    ASSERT_EQ(TlxRecToFile(0, path.c_str(), 17, 0, -1, -1, 0), 0);
    advance(3000);
    TlxStopRecToFile(0);
    Wav w = readWav(path);
    EXPECT_EQ(w.info.samplerate, 8000);
    EXPECT_EQ(w.info.channels, 1);
    EXPECT_EQ(w.info.format, SF_FORMAT_WAV | SF_FORMAT_ALAW);
    EXPECT_EQ(w.info.frames, 24000);
    EXPECT_TRUE(loud(w, 0, 24000)) << "the far end's voice is in it";
}

TEST_F(ktdrvAudioTest, RecordingEndsWithTheHangUp)
{
    ASSERT_EQ(start(), 0);
    TlxAutoDial(0, "400");
    advance(2200);
    std::string path = (m_dir / "short.wav").string();
    TlxRecToFile(0, path.c_str(), 17, 0, -1, -1, 0);
    advance(10000);
    // Ring 5000 ms and voice 500 ms from the end of the digits at 2180, recording from 2200.
    EXPECT_EQ(readWav(path).info.frames, (5000 + 500 - 20) * 8);
    EXPECT_EQ(TlxRecToFile(0, "", 17, 0, -1, -1, 0), -1);
    EXPECT_EQ(TlxRecToFile(0, (m_dir / "no/such/folder/x.wav").c_str(), 17, 0, -1, -1, 0), -1);
}

TEST_F(ktdrvAudioTest, HeardAudioHoldsWhatWasPlayedInItsPlace)
{
    writeHeardDir();
    ASSERT_EQ(start(), 0);
    std::string file = voice("notice.voc", 1000, 0x2A);
    TlxAutoDial(0, "8123");
    advance(8000);
    TlxPlayFile(0, file.c_str(), 6, 0, -1);
    advance(2000);
    TlxPlayFile(0, file.c_str(), 6, 0, 4000);
    advance(1000);
    const Wav w = hangUpAndReadHeardAudio();
    ASSERT_EQ(w.info.frames, 11000 * 8);
    EXPECT_FALSE(loud(w, 0, 8000 * 8));
    EXPECT_TRUE(loud(w, 8000 * 8, 9000 * 8));
    EXPECT_FALSE(loud(w, 9000 * 8 + 1, 10000 * 8));
    EXPECT_TRUE(loud(w, 10000 * 8, 10500 * 8));
    EXPECT_FALSE(loud(w, 10500 * 8 + 1, 11000 * 8));
}

TEST_F(ktdrvAudioTest, StationPlayingToItsBridgeIsHeardOnTheLine)
{
    ASSERT_NO_FATAL_FAILURE(bridgeCallerToAgent());
    TlxPlayIndexString(5, "slicno");
    advance(1000);
    TlxSetPlayDest(5, 1);
    TlxPlayIndexString(5, "slicno");
    advance(2000);
    const Wav w = hangUpAndReadHeardAudio();
    ASSERT_EQ(w.info.frames, 11000 * 8);
    EXPECT_FALSE(loud(w, 8000 * 8, 9000 * 8)) << "played to the agent only";
    EXPECT_TRUE(loud(w, 9000 * 8, 10000 * 8)) << "played to the agent and the caller";
}

TEST_F(ktdrvAudioTest, StationPlayingThatEndedBeforeTheAgentHungUpIsHeardOnTheLine)
{
    ASSERT_NO_FATAL_FAILURE(bridgeCallerToAgent());
    TlxSetPlayDest(5, 1);
    TlxPlayIndexString(5, "slicno");
    advance(2000); // the prompt ends at its natural end, then the agent hangs up
    TlxSimSetHook(5, 0);
    advance(1000);
    const Wav w = hangUpAndReadHeardAudio();
    ASSERT_EQ(w.info.frames, 11000 * 8);
    EXPECT_TRUE(loud(w, 8000 * 8, 9000 * 8));
    EXPECT_FALSE(loud(w, 9000 * 8 + 1, 11000 * 8));
}

} // namespace
} // namespace ktdrv::test
