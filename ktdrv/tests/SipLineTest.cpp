// SIP lines end to end on loopback: the board calls SIPp's scenarios, the test plays the far end's RTP.
#include "BoardFixture.h"
#include "SipPeer.h"

#include "ktdrv/TlxApi.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace ktdrv::test {
namespace {

// Reads the data chunk of a WAV file: the A-law bytes as they were written.
std::vector<std::uint8_t> wavData(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (std::size_t pos = 12; pos + 8 <= all.size();) {
        std::uint32_t size =
            all[pos + 4] | all[pos + 5] << 8 | all[pos + 6] << 16 | static_cast<std::uint32_t>(all[pos + 7]) << 24;
        if (std::equal(all.begin() + static_cast<long>(pos), all.begin() + static_cast<long>(pos) + 4, "data"))
            return {all.begin() + static_cast<long>(pos) + 8,
                    all.begin() + static_cast<long>(std::min<std::size_t>(all.size(), pos + 8 + size))};
        pos += 8 + size + (size & 1);
    }
    return {};
}

class SipLineTest : public BoardTest
{
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        TlxSimSetVirtualTime(0); // SIP lines run in real time
    }

    /// extra: keys of [Sip] that win over the test's own (the first of a key given twice counts);
    /// sections: further sections.
    int startWith(const Sipp &peer, const std::string &extra = {}, const std::string &sections = {})
    {
        writeFile("KtSip.ini", "[Sip]\n" + extra + "Proxy=127.0.0.1:" + std::to_string(peer.port()) +
                                   "\nLocalAddress=127.0.0.1\nLocalPort=0\nDomain=ktdrv.test\nTrunks=2\nRtpTimeout=5\n"
                                   "HeardDir=" +
                                   (m_dir / "heard").string() + "\n" + sections);
        return start();
    }

    /// Polls every 10 ms, as often as needed, for at most ms; true when pred held.
    template <typename P> static bool waitFor(P pred, int ms)
    {
        for (int t = 0; t <= ms; t += 10) {
            if (pred())
                return true;
            usleep(10000);
        }
        return false;
    }

    static bool call(int ch, const char *number) { return TlxPickup(ch) == 0 && TlxAutoDial(ch, number) == 0; }

    static std::string key(int ch)
    {
        char buffer[32] = {};
        TlxGet1stDtmfClr(ch, buffer);
        return buffer;
    }

    /// A prompt whose bytes never repeat within a second, so that where it lands is unambiguous.
    std::string prompt(const std::string &name, int ms)
    {
        std::string bytes;
        for (int i = 0; i < ms * 8; ++i)
            bytes += static_cast<char>((i * 7 + i / 251) & 0xFF);
        writeFile(name, bytes);
        return (m_dir / name).string();
    }
};

TEST_F(SipLineTest, AnsweredCallCarriesThePromptAndTakesAnRfc4733Key)
{
    FarEndMedia media;
    Sipp peer("answer", freeUdpPort(), media.port());
    ASSERT_EQ(startWith(peer), 0);
    EXPECT_EQ(TlxGetChType(0), 0);
    ASSERT_TRUE(call(0, "100"));
    EXPECT_TRUE(waitFor([] { return TlxGetToneAnalyzeResult(0) == 3; }, 2000)) << "180 gives ring-back";
    ASSERT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(0) == 1; }, 4000)) << "200 OK gives the answer";
    const std::string file = prompt("notice.voc", 600);
    ASSERT_EQ(TlxPlayFile(0, file.c_str(), 6, 0, -1), 0);
    usleep(200000);
    media.sendKey('9');
    std::string got;
    EXPECT_TRUE(waitFor([&] { return !(got = key(0)).empty(); }, 1000));
    EXPECT_EQ(got, "9");
    EXPECT_TRUE(waitFor([] { return TlxCheckPlay(0) == 1; }, 2000));
    usleep(100000);
    ASSERT_EQ(TlxHangup(0), 0);
    EXPECT_EQ(TlxGetChState(0), 0);
    EXPECT_EQ(peer.wait(3000), 0) << "the far end got the BYE";

    // What the far end received is the prompt whole, and exactly the board's own record of the call.
    usleep(50000);
    const auto received = media.received();
    std::vector<std::uint8_t> played(600 * 8);
    std::ifstream(file, std::ios::binary)
        .read(reinterpret_cast<char *>(played.data()), static_cast<long>(played.size()));
    EXPECT_NE(std::search(received.begin(), received.end(), played.begin(), played.end()), received.end());
    char heardPath[260] = {};
    TlxSimGetHeardFile(0, heardPath);
    const auto heard = wavData(heardPath);
    ASSERT_GT(received.size(), 0u);
    EXPECT_NE(std::search(heard.begin(), heard.end(), received.begin(), received.end()), heard.end())
        << "heard " << heard.size() << " bytes, received " << received.size();
}

TEST_F(SipLineTest, KeyAsTonesInTheAudioIsAKeyToo)
{
    FarEndMedia media;
    Sipp peer("answer", freeUdpPort(), media.port());
    ASSERT_EQ(startWith(peer), 0);
    ASSERT_TRUE(call(0, "101"));
    ASSERT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(0) == 1; }, 4000));
    media.sendToneKey('5');
    std::string got;
    EXPECT_TRUE(waitFor([&] { return !(got = key(0)).empty(); }, 1000)) << log();
    EXPECT_EQ(got, "5");
    // Once the far end sends telephone events, tones in its audio are not keys of their own.
    media.sendKey('7');
    media.sendToneKey('7');
    usleep(400000);
    EXPECT_EQ(key(0), "7");
    EXPECT_EQ(key(0), "");
    TlxHangup(0);
    EXPECT_EQ(peer.wait(3000), 0);
}

TEST_F(SipLineTest, KeyInASipInfoIsAKeyToo)
{
    FarEndMedia media;
    Sipp peer("info", freeUdpPort(), media.port());
    ASSERT_EQ(startWith(peer), 0);
    ASSERT_TRUE(call(0, "102"));
    ASSERT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(0) == 1; }, 3000));
    std::string got;
    EXPECT_TRUE(waitFor([&] { return !(got = key(0)).empty(); }, 2000));
    EXPECT_EQ(got, "9");
    TlxHangup(0);
    EXPECT_EQ(peer.wait(3000), 0) << "the INFO was answered and the call hung up";
}

TEST_F(SipLineTest, FarEndsThatDoNotAnswerGiveTheirTones)
{
    const struct
    {
        const char *scenario;
        int analyser;
        const char *what;
    } cases[] = {
        {"busy", 2, "486 gives busy tone"},
        {"noanswer", 3, "180 gives ring-back; the board's hang-up cancels the call"},
    };
    for (const auto &c : cases) {
        Sipp peer(c.scenario, freeUdpPort(), freeUdpPort());
        ASSERT_EQ(startWith(peer), 0);
        ASSERT_TRUE(call(0, "300"));
        EXPECT_TRUE(waitFor([&] { return TlxGetToneAnalyzeResult(0) == c.analyser; }, 3000)) << c.what;
        usleep(300000);
        EXPECT_EQ(TlxGetPolarRvrsCount(0), 0) << c.scenario;
        EXPECT_EQ(TlxGetChState(0), 1) << c.scenario << ": the line stays until the server hangs up";
        TlxHangup(0);
        EXPECT_EQ(peer.wait(3000), 0) << c.what;
        TlxCloseCti();
    }
}

TEST_F(SipLineTest, ACallTheFarEndRefusesReleasesTheLine)
{
    // 180, then 404: ring-back, then the line drops as a line that is gone, before any answer.
    Sipp peer("reject", freeUdpPort(), freeUdpPort());
    ASSERT_EQ(startWith(peer), 0);
    ASSERT_TRUE(call(0, "300"));
    EXPECT_TRUE(waitFor([] { return TlxGetToneAnalyzeResult(0) == 3; }, 3000)) << "ring-back first";
    EXPECT_TRUE(waitFor([] { return TlxGetChState(0) == 0; }, 3000)) << "404 frees the channel";
    EXPECT_EQ(TlxGetPolarRvrsCount(0), 0);
    EXPECT_EQ(peer.wait(3000), 0);
}

TEST_F(SipLineTest, FarEndByeIsTheHangUp)
{
    FarEndMedia media;
    Sipp peer("hangup", freeUdpPort(), media.port());
    ASSERT_EQ(startWith(peer), 0);
    ASSERT_TRUE(call(0, "400"));
    ASSERT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(0) == 1; }, 3000));
    const std::string file = prompt("long.voc", 5000);
    TlxPlayFile(0, file.c_str(), 6, 0, -1);
    EXPECT_TRUE(waitFor([] { return TlxGetChState(0) == 0; }, 4000)) << "BYE frees the channel";
    EXPECT_EQ(TlxGetPolarRvrsCount(0), 2) << "and reverses the polarity a second time";
    EXPECT_EQ(peer.wait(3000), 0);
}

TEST_F(SipLineTest, ReInviteMovesTheMedia)
{
    FarEndMedia first, second;
    Sipp peer("reinvite", freeUdpPort(), first.port(), 1, second.port());
    ASSERT_EQ(startWith(peer), 0);
    ASSERT_TRUE(call(0, "800"));
    ASSERT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(0) == 1; }, 3000));
    EXPECT_TRUE(waitFor([&] { return second.packets() > 10; }, 3000)) << "the packets follow the re-INVITE";
    EXPECT_EQ(TlxGetChState(0), 1) << "and the call goes on";
    TlxHangup(0);
    EXPECT_EQ(peer.wait(3000), 0);
}

TEST_F(SipLineTest, StationIsRungBridgedAndHungUpByItsTelephone)
{
    FarEndMedia caller, agent;
    caller.fill = 0x2A;
    agent.fill = 0x3B;
    Sipp trunk("answer", freeUdpPort(), caller.port());
    Sipp telephone("agent", freeUdpPort(), agent.port());
    ASSERT_EQ(startWith(trunk, "StationsViaProxy=0\n",
                        "[Stations]\n2=sip:801@127.0.0.1:" + std::to_string(telephone.port()) + "\n"),
              0);
    EXPECT_EQ(TlxGetChType(2), 2);
    ASSERT_TRUE(call(0, "900"));
    ASSERT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(0) == 1; }, 3000));
    ASSERT_EQ(TlxStartRingWithCIDStr(2, "900", 3, 1000), 0);
    EXPECT_EQ(TlxGetChState(2), 2) << "ringing";
    ASSERT_TRUE(waitFor([] { return TlxGetHookState(2) == 1; }, 3000)) << "200 OK lifts the handset";
    TlxStopRing(2);
    ASSERT_EQ(TlxTalkWith(0, 2), 0);
    // The agent-number prompt, played on the station for both to hear.
    const std::string file = prompt("number.voc", 300);
    TlxSetPlayDest(2, 1);
    TlxPlayFile(2, file.c_str(), 6, 0, -1);
    EXPECT_TRUE(waitFor([] { return TlxGetHookState(2) == 0; }, 5000)) << "the telephone's BYE hangs up";
    const auto heard = caller.received();
    std::vector<std::uint8_t> played(300 * 8);
    std::ifstream(file, std::ios::binary)
        .read(reinterpret_cast<char *>(played.data()), static_cast<long>(played.size()));
    EXPECT_NE(std::search(heard.begin(), heard.end(), played.begin(), played.end()), heard.end())
        << "the caller heard the prompt";
    EXPECT_GT(std::count(heard.begin(), heard.end(), agent.fill.load()), 8000) << "and the agent through the bridge";
    const auto agentHeard = agent.received();
    EXPECT_GT(std::count(agentHeard.begin(), agentHeard.end(), caller.fill.load()), 8000) << "who heard the caller";
    EXPECT_EQ(telephone.wait(2000), 0);
    TlxHangup(0);
    EXPECT_EQ(trunk.wait(3000), 0);
}

TEST_F(SipLineTest, ProxyChallengeIsAnsweredWithTheDigest)
{
    FarEndMedia media;
    Sipp peer("auth", freeUdpPort(), media.port());
    ASSERT_EQ(startWith(peer, "User=agent7\nPassword=s3cret\n"), 0);
    ASSERT_TRUE(call(0, "500"));
    EXPECT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(0) == 1; }, 4000)) << "answered after the 407";
    TlxHangup(0);
    EXPECT_EQ(peer.wait(3000), 0);
}

TEST_F(SipLineTest, RegistersWithTheDigestWhenAsked)
{
    Sipp registrar("register", freeUdpPort(), freeUdpPort());
    ASSERT_EQ(startWith(registrar, "User=agent7\nPassword=s3cret\nRegister=1\n"), 0);
    char status[200] = {};
    EXPECT_TRUE(waitFor([&] { return TlxSipGetBoardRegStatus(0, status) == 1; }, 3000)) << status;
    EXPECT_STREQ(status, "registered");
    EXPECT_EQ(TlxGetLineVoltage(0), 48) << "a registered account's trunks carry voltage";
    EXPECT_EQ(registrar.wait(2000), 0);
}

TEST_F(SipLineTest, RefusedRegistrationIsReported)
{
    Sipp registrar("register", freeUdpPort(), freeUdpPort());
    ASSERT_EQ(startWith(registrar, "User=agent7\nPassword=wrong\nRegister=1\n"), 0);
    char status[200] = {};
    EXPECT_TRUE(waitFor(
        [&] { return TlxSipGetBoardRegStatus(0, status) == 0 && std::string(status) != "not registered"; }, 3000));
    EXPECT_STREQ(status, "registration refused: 403 Forbidden");
    EXPECT_EQ(TlxGetLineVoltage(0), 0) << "the server sees the trunks disconnected and dials on none";
}

TEST_F(SipLineTest, RtpThatStopsWithoutByeFreesTheChannel)
{
    FarEndMedia media;
    Sipp peer("answer", freeUdpPort(), media.port());
    ASSERT_EQ(startWith(peer, "RtpTimeout=1\n"), 0);
    ASSERT_TRUE(call(1, "600"));
    ASSERT_TRUE(waitFor([] { return TlxGetPolarRvrsCount(1) == 1; }, 4000));
    usleep(300000);
    EXPECT_EQ(TlxGetChState(1), 1) << "the far end's packets keep the call";
    media.speaking = false;
    EXPECT_TRUE(waitFor([] { return TlxGetChState(1) == 0; }, 2500)) << "a silent stream ends the call";
    EXPECT_EQ(peer.wait(3000), 0) << "and the far end gets a BYE";
}

// RFC 3550's interarrival jitter of one stream of 20 ms packets, in ms.
double jitter(const std::vector<double> &arrivals)
{
    double j = 0;
    for (std::size_t i = 1; i < arrivals.size(); ++i)
        j += (std::abs(arrivals[i] - arrivals[i - 1] - 20.0) - j) / 16.0;
    return j;
}

TEST_F(SipLineTest, TenParallelCallsKeepTheirPacketClock)
{
    constexpr int kCalls = 10;
    FarEndMedia media;
    Sipp peer("answer", freeUdpPort(), media.port(), kCalls);
    // Ten streams meet at one test socket, which answers only the last: no RTP time-out here.
    ASSERT_EQ(startWith(peer, "Trunks=10\nRtpTimeout=0\n"), 0);
    for (int ch = 0; ch < kCalls; ++ch)
        ASSERT_TRUE(call(ch, std::to_string(700 + ch).c_str()));
    ASSERT_TRUE(waitFor(
        [] {
            for (int ch = 0; ch < kCalls; ++ch)
                if (TlxGetPolarRvrsCount(ch) != 1)
                    return false;
            return true;
        },
        5000));
    const std::string file = prompt("notice.voc", 3000);
    for (int ch = 0; ch < kCalls; ++ch)
        TlxPlayFile(ch, file.c_str(), 6, 0, -1);
    usleep(3000000);
    const auto streams = media.streams();
    EXPECT_EQ(streams.size(), static_cast<std::size_t>(kCalls));
    double worst = 0;
    for (const auto &[ssrc, arrivals] : streams) {
        EXPECT_GT(arrivals.size(), 140u) << "about 50 packets a second";
        worst = std::max(worst, jitter(arrivals));
    }
    RecordProperty("worst_jitter_us", static_cast<int>(worst * 1000));
    EXPECT_LT(worst, 5.0) << "ms of interarrival jitter (RFC 3550) in the worst of the streams";
    for (int ch = 0; ch < kCalls; ++ch)
        TlxHangup(ch);
    EXPECT_EQ(peer.wait(5000), 0);
}

} // namespace
} // namespace ktdrv::test
