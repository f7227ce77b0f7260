// Calls on trunk lines through the Tlx functions: start, dialling, far-end scripts, playing, arguments.
#include "BoardFixture.h"

namespace ktdrv::test {
namespace {

constexpr int kSilence = 0x8000;

class ktdrvCallTest : public BoardTest
{
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        ASSERT_EQ(start(), 0);
    }
};

TEST_F(ktdrvCallTest, StartReportsBoardsChannelsAndTypes)
{
    EXPECT_EQ(TlxGetMaxCfgBoard(), 2);
    EXPECT_EQ(TlxGetMaxUsableBoard(), 1);
    EXPECT_EQ(TlxGetMaxCh(), 10);
    const int types[] = {0, 0, 0, 0, 2, 2, 2, 2, -1, -1};
    for (int ch = 0; ch < 10; ++ch)
        EXPECT_EQ(TlxGetChType(ch), types[ch]) << ch;
    EXPECT_EQ(TlxGetLineVoltage(0), 48);
    EXPECT_EQ(TlxGetLineVoltage(2), 0);
    char error[200];
    TlxGetLastErrMsg(error);
    EXPECT_NE(std::string(error).find("serial number 2002"), std::string::npos) << error;
}

TEST_F(ktdrvCallTest, BadChannelsAndArgumentsAreRefusedWithoutHarm)
{
    for (int ch : {-1, 10, 1000}) {
        EXPECT_EQ(TlxGetChState(ch), -1);
        EXPECT_EQ(TlxAutoDial(ch, "1"), -1);
        EXPECT_EQ(TlxPlayFile(ch, "x", 6, 0, -1), -1);
        EXPECT_EQ(TlxTalkWith(ch, 0), -1);
    }
    EXPECT_EQ(TlxAutoDial(0, "12x"), -1);
    EXPECT_EQ(TlxTxDtmf(0, "1"), -1) << "digits need a seized line";
    EXPECT_EQ(TlxGet1stDtmfClr(0, nullptr), 0);
    EXPECT_EQ(TlxPlayFile(0, nullptr, 6, 0, -1), 0);
    EXPECT_EQ(TlxStartRing(0), -1) << "a trunk has no bell";
    EXPECT_EQ(TlxTalkWith(0, 0), -1);
    EXPECT_EQ(TlxSetTxDtmfPara(0, 0, 80), -1);
}

// The sequence a server polling every 100 ms sees for ring:2,answer,voice:1500,silence:3000,key:1,wait:1000,key:9.
TEST_F(ktdrvCallTest, AutoDialFollowsDialToneDigitsRingsAnswerVoiceSilenceAndKeys)
{
    ASSERT_EQ(TlxAutoDial(0, "100"), 0);
    Pass p = pass(0);
    EXPECT_EQ(p.state, 1);
    EXPECT_EQ(p.hook, 0) << "a trunk reports hang-ups through its state only";
    EXPECT_EQ(p.autoDial, 3);
    EXPECT_EQ(p.tone & kSilence, 0) << "dial tone sounds";
    advance(1500);
    EXPECT_EQ(pass(0).first, 1);
    EXPECT_EQ(pass(0).second, 1);
    // Dial tone confirmed at 1700 ms, then three digits of 80 + 80 ms.
    advance(400);
    EXPECT_EQ(pass(0).txDtmf, 2);
    int ringBacks = 0, lastFirst = 1;
    int sent = until([&] { return TlxChkAutoDial(0) == 0 && TlxChkTxDtmf(0) == 0; }, 1000);
    EXPECT_EQ(sent, 300);
    // Ring-back: 1 s tone, 4 s silence, twice; the analyser reports 3 during each ring.
    for (int t = 0; t < 10000; t += 100) {
        p = pass(0);
        if (p.first != lastFirst && p.first == 3)
            ++ringBacks;
        lastFirst = p.first;
        EXPECT_LT(p.tone & 0x3FFF, 4000) << "the pause never reaches the tone-timing answer";
        TlxSimAdvance(100);
    }
    EXPECT_EQ(ringBacks, 2);
    p = pass(0);
    EXPECT_EQ(p.first, 6) << "answer cue";
    EXPECT_EQ(p.second, 0);
    EXPECT_EQ(p.tone & kSilence, 0) << "voice sounds";
    advance(1500);
    p = pass(0);
    EXPECT_EQ(p.tone & kSilence, kSilence);
    advance(2900);
    EXPECT_GE(pass(0).noSound, 2900);
    std::string keys;
    for (int t = 0; t < 2000; t += 100) {
        keys += pass(0).key;
        TlxSimAdvance(100);
    }
    EXPECT_EQ(keys, "19");
    EXPECT_EQ(pass(0).state, 1) << "the script ended without a hang-up: the line stays";
    EXPECT_EQ(TlxHangup(0), 0);
    EXPECT_EQ(pass(0).state, 0);
}

TEST_F(ktdrvCallTest, TxDtmfUsesItsTimingAndStartsTheScriptOnlyWhenTheDigitsAreOut)
{
    ASSERT_EQ(TlxSetTxDtmfPara(1, 50, 50), 0);
    ASSERT_EQ(TlxPickup(1), 0);
    advance(1500);
    ASSERT_EQ(TlxTxDtmf(1, "200#"), 0);
    EXPECT_EQ(TlxChkTxDtmf(1), 4);
    EXPECT_EQ(TlxChkAutoDial(1), 0);
    advance(300);
    EXPECT_EQ(TlxChkTxDtmf(1), 1);
    EXPECT_NE(TlxGetToneAnalyzeResult(1), 6) << "no answer before the digits are out";
    advance(100);
    EXPECT_EQ(TlxChkTxDtmf(1), 0);
    char dialled[64];
    TlxSimGetDialled(1, dialled);
    EXPECT_STREQ(dialled, "200#");
    EXPECT_EQ(TlxGetToneAnalyzeResult(1), 6) << "ring:0 answers at once; the trailing # is ignored";
    // The quiet began with the first digit, when the dial tone stopped, 400 ms ago.
    EXPECT_EQ(TlxGetNoSoundTime(1), 400);
    EXPECT_EQ(until([] { return TlxGetNoSoundTime(1) > 2000; }, 5000), 1700);
}

TEST_F(ktdrvCallTest, BusyIsReportedByBothAnalysersAfterTwoPeriods)
{
    TlxAutoDial(0, "300");
    advance(2100);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 1) << "while the digits go out, dial tone is the last tone heard";
    EXPECT_EQ(TlxGetToneValue(0) & kSilence, kSilence);
    advance(1300);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 0) << "busy tone not yet recognised";
    advance(200);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 2);
    EXPECT_EQ(TlxGet2ndToneAnalyzeResult(0), 2);
    TlxClearToneAnalyzeResult(0);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 0);
    EXPECT_EQ(TlxGet2ndToneAnalyzeResult(0), 2);
}

struct EndCase
{
    const char *number;
    int channel;
    int stateGoneAfterMs;
    int reversalsBefore, reversalsAfter;
};

class ktdrvFarEndGoneTest : public ktdrvCallTest, public ::testing::WithParamInterface<EndCase>
{
};

// Digits out at 2180 ms; one ring cycle is 5000 ms.
TEST_P(ktdrvFarEndGoneTest, HangUpOrDropSetsTheStateToZero)
{
    const auto &c = GetParam();
    TlxAutoDial(c.channel, c.number);
    advance(2200);
    int gone = until([&] { return TlxGetChState(c.channel) == 0; }, 20000);
    EXPECT_EQ(gone, c.stateGoneAfterMs);
    EXPECT_EQ(TlxGetHookState(c.channel), 0);
    EXPECT_EQ(TlxGetPolarRvrsCount(c.channel), c.reversalsAfter);
    (void)c.reversalsBefore;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ktdrvFarEndGoneTest,
                         ::testing::Values(EndCase{"400", 0, 5500, 0, 0}, EndCase{"500", 0, 5000, 0, 0},
                                           EndCase{"400", 3, 5500, 1, 2}, EndCase{"500", 3, 5000, 0, 0},
                                           EndCase{"919", 0, 7000, 0, 0}));

TEST_F(ktdrvCallTest, BusyToneAfterTheAnswerIsReported)
{
    writeSim("[Simulator]\nTimeMode=virtual\n[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,0,0,0,2,2,2,2\n"
             "[Numbers]\n1=ring:1,answer,voice:1000,busy\n");
    TlxCloseCti();
    ASSERT_EQ(start(), 0);
    TlxAutoDial(0, "1");
    advance(2200 + 5000);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 6);
    TlxClearToneAnalyzeResult(0);
    advance(500);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 0) << "the cue was taken; voice does not bring it back";
    advance(500 + 1400);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 2);
}

TEST_F(ktdrvCallTest, PolarityLineReversesAtTheAnswer)
{
    TlxAutoDial(3, "8123");
    advance(2400);
    EXPECT_EQ(TlxGetPolarRvrsCount(3), 0);
    advance(5000);
    EXPECT_EQ(TlxGetPolarRvrsCount(3), 1);
    TlxHangup(3);
    TlxAutoDial(3, "8");
    EXPECT_EQ(TlxGetPolarRvrsCount(3), 0) << "reversals count per call";
}

TEST_F(ktdrvCallTest, PlayEndsNaturallyAfterItsDurationOrWhenStopped)
{
    std::string file = voice("notice.voc", 2500);
    TlxAutoDial(0, "8123");
    advance(8000);
    EXPECT_EQ(TlxCheckPlay(0), 0) << "never played";
    TlxClearFileList(0);
    TlxAddToFileList(0, file.c_str(), 6, 0, -1);
    TlxAddToFileList(0, file.c_str(), 6, 0, 8000);
    TlxPlayFileList(0);
    EXPECT_EQ(until([] { return TlxCheckPlay(0) != 0; }, 10000), 3500);
    EXPECT_EQ(TlxCheckPlay(0), 1);
    TlxPlayFileList(0);
    EXPECT_EQ(TlxCheckPlay(0), 0) << "the same list plays again";
    advance(1000);
    TlxStopPlay(0);
    EXPECT_EQ(TlxCheckPlay(0), 2);
    TlxPlayIndexString(0, "music,,num1");
    EXPECT_EQ(until([] { return TlxCheckPlay(0) != 0; }, 10000), 2000);
}

TEST_F(ktdrvCallTest, KeyCutsThePlayingShortOnlyWhenAsked)
{
    std::string file = voice("long.voc", 20000);
    TlxAutoDial(0, "100");
    advance(2200 + 10000 + 1500 + 2000);
    TlxSetDtmfStopPlay(0, 0);
    TlxPlayFile(0, file.c_str(), 6, 0, -1);
    advance(1500);
    EXPECT_EQ(TlxCheckPlay(0), 0) << "key 1 arrived but did not stop the playing";
    TlxSetDtmfStopPlay(0, 1);
    // Key 9 arrives at 18080 ms: answer 12180, voice to 13680, silence to 16680, key 1, wait, key 9.
    EXPECT_EQ(until([] { return TlxCheckPlay(0) != 0; }, 3000), 900);
    EXPECT_EQ(TlxCheckPlay(0), 2);
}

TEST_F(ktdrvCallTest, MissingFileEndsThePlayingAtOnceAndIsLogged)
{
    TlxPlayFile(0, (m_dir / "nothing.voc").c_str(), 6, 0, -1);
    EXPECT_EQ(TlxCheckPlay(0), 1);
    EXPECT_NE(log().find("nothing.voc: file missing"), std::string::npos);
    TlxPlayIndexString(0, "nosuchsegment");
    EXPECT_EQ(TlxCheckPlay(0), 1);
    EXPECT_NE(log().find("'nosuchsegment' is not in the index"), std::string::npos);
}

TEST_F(ktdrvCallTest, SwitchingClocksKeepsTheCallsGoing)
{
    advance(1000);
    TlxAutoDial(0, "600");
    TlxSimSetVirtualTime(0);
    EXPECT_EQ(TlxSimAdvance(100), -1) << "only virtual time is moved by hand";
    EXPECT_GE(TlxSimGetTick(), 1000u);
    EXPECT_EQ(TlxGetChState(0), 1);
    TlxSimSetVirtualTime(1);
    unsigned tick = TlxSimGetTick();
    EXPECT_GE(tick, 1000u);
    advance(3000);
    EXPECT_EQ(TlxSimGetTick(), tick + 3000);
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 3) << "ringing after dial tone and digits";
}

TEST_F(ktdrvCallTest, BeforeStartAndAfterCloseEveryChannelCallFails)
{
    TlxCloseCti();
    EXPECT_EQ(TlxGetMaxCh(), 0);
    EXPECT_EQ(TlxGetChState(0), -1);
    EXPECT_EQ(TlxPickup(0), -1);
}

} // namespace
} // namespace ktdrv::test
