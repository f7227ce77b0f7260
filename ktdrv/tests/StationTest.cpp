// Agent telephones on station channels: ringing with caller ID, answer, keys, flash, hang-up, own calls,
// tones and bridging.
#include "BoardFixture.h"

namespace ktdrv::test {
namespace {

class ktdrvStationTest : public BoardTest
{
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        ASSERT_EQ(start(), 0);
    }
};

TEST_F(ktdrvStationTest, RungTelephoneAnswersPressesKeysFlashesAndHangsUp)
{
    ASSERT_EQ(TlxStartRingWithCIDStr(4, "13900001111xyz", 11, 1000), 0);
    char cid[32];
    EXPECT_EQ(TlxSimIsRinging(4, cid), 1);
    EXPECT_STREQ(cid, "13900001111");
    EXPECT_EQ(TlxGetChState(4), 2);
    TlxGetCallerId(4, cid);
    EXPECT_STREQ(cid, "13900001111");
    EXPECT_EQ(until([] { return TlxGetHookState(4) == 1; }, 10000), 3000);
    EXPECT_EQ(TlxGetChState(4), 1);
    EXPECT_EQ(TlxSimIsRinging(4, nullptr), 0) << "lifting the handset ends the ringing";
    std::string keys;
    int flashes = TlxGetFlashCount(4);
    for (int t = 0; t < 3000; t += 100) {
        keys += pass(4).key;
        TlxSimAdvance(100);
    }
    EXPECT_EQ(keys, "1#");
    EXPECT_EQ(TlxGetFlashCount(4), flashes + 1);
    // Answer at 3000, wait to 5000, two keys of 300 ms, a flash of 500 ms, hang-up 5000 ms later: 11100.
    EXPECT_EQ(until([] { return TlxGetHookState(4) == 0; }, 10000), 5100);
    EXPECT_EQ(TlxGetChState(4), 0);
}

TEST_F(ktdrvStationTest, UnansweredTelephoneRingsUntilStopped)
{
    TlxStartRing(5);
    advance(60000);
    EXPECT_EQ(TlxSimIsRinging(5, nullptr), 1);
    EXPECT_EQ(TlxGetHookState(5), 0);
    TlxStopRing(5);
    EXPECT_EQ(TlxSimIsRinging(5, nullptr), 0);
    EXPECT_EQ(TlxGetChState(5), 0);
}

TEST_F(ktdrvStationTest, RingStoppedBeforeTheAnswerIsNotAnswered)
{
    TlxStartRing(6);
    advance(300);
    TlxStopRing(6);
    advance(2000);
    EXPECT_EQ(TlxGetHookState(6), 0);
}

TEST_F(ktdrvStationTest, OwnCallLiftsTheHandsetAndDialsThroughTheBridgedTrunk)
{
    EXPECT_EQ(until([] { return TlxGetHookState(7) == 1; }, 70000), 60000);
    ASSERT_EQ(TlxPickup(0), 0);
    ASSERT_EQ(TlxTalkWith(7, 0), 0);
    EXPECT_EQ(TlxSimGetTalkPeer(0), 7);
    std::string keys;
    for (int t = 0; t < 1500; t += 100) {
        keys += pass(7).key;
        TlxSimAdvance(100);
    }
    EXPECT_EQ(keys, "100#");
    char dialled[64];
    TlxSimGetDialled(0, dialled);
    EXPECT_STREQ(dialled, "100#");
    EXPECT_EQ(TlxGetToneAnalyzeResult(0), 3) << "the exchange rings the number the agent dialled";
    // Four keys of 300 ms from 60000, then wait:20000 and hang up at 81200.
    EXPECT_EQ(until([] { return TlxGetHookState(7) == 0; }, 30000), 19700);
}

TEST_F(ktdrvStationTest, TonesFlashAndBridgesFollowTheCalls)
{
    EXPECT_EQ(TlxSendTone(4, 3), 0);
    EXPECT_EQ(TlxSimGetSentTone(4), 3);
    TlxStopSendTone(4);
    EXPECT_EQ(TlxSimGetSentTone(4), 0);
    EXPECT_EQ(TlxSendTone(0, 1), -1) << "tones go to stations";
    EXPECT_EQ(TlxSimFlash(5), -1) << "an on-hook telephone cannot flash";
    TlxSimSetHook(5, 1);
    EXPECT_EQ(TlxSimFlash(5), 0);
    EXPECT_EQ(TlxGetFlashCount(5), 1);
    TlxAutoDial(1, "8");
    ASSERT_EQ(TlxTalkWith(1, 5), 0);
    EXPECT_EQ(TlxSimGetTalkPeer(5), 1);
    TlxStopTalkWith(1, 5);
    EXPECT_EQ(TlxSimGetTalkPeer(5), -1);
    TlxTalkWith(1, 5);
    TlxHangup(1);
    EXPECT_EQ(TlxSimGetTalkPeer(5), -1) << "a released line leaves its bridge";
    EXPECT_EQ(TlxGetHookState(1), 0);
}

TEST_F(ktdrvStationTest, KeysPressedByHandArriveOneAtATime)
{
    EXPECT_EQ(TlxSimPressKeys(5, "12"), -1) << "an on-hook telephone has no keypad tone";
    TlxSimSetHook(5, 1);
    ASSERT_EQ(TlxSimPressKeys(5, "12"), 0);
    ASSERT_EQ(TlxSimPressKeys(5, "3"), 0);
    std::string keys;
    for (int t = 0; t < 1200; t += 100) {
        keys += pass(5).key;
        TlxSimAdvance(100);
    }
    EXPECT_EQ(keys, "123");
}

} // namespace
} // namespace ktdrv::test
