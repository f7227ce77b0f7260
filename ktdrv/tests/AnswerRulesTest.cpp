// The server's answer rules, with the default settings, applied to what the board reports for each
// kind of far end: every script is recognised by the rule meant for it.
#include "BoardFixture.h"

#include <optional>

namespace ktdrv::test {
namespace {

enum class Outcome { AnswerCue, Silence, ToneTiming, Polarity, Busy, FarEndGone, Nothing };

// The server's default settings for answer detection.
constexpr int kNoSoundTime = 2000, kHaveToneTime = 200, kToneDelay = 4000, kRingBackCnt1 = 0, kRingBackCnt2 = 0;

// One channel's answer detection as the server runs it every 100 ms (CallMode 1: the board dials).
struct ServerRules
{
    int ch;
    bool polarity;
    int lastState = 0, lastTx = 0, lastFirst = 0, lastSecond = 0, lastReversals = 0;
    bool dialDone = false, toneHeard = false, silenceArmed = false;
    int ringBacks = 0;

    std::optional<Outcome> pass()
    {
        int s = TlxGetChState(ch);
        if (s != lastState && (lastState = s) == 0)
            return Outcome::FarEndGone;
        TlxChkAutoDial(ch);
        if (int t = TlxChkTxDtmf(ch); t != lastTx && (lastTx = t) == 0)
            dialDone = true;
        if (!polarity && silenceArmed && TlxGetNoSoundTime(ch) > kNoSoundTime)
            return Outcome::Silence;
        if (!polarity && !silenceArmed && dialDone) {
            int v = TlxGetToneValue(ch), d = v & 0x3FFF;
            if (!(v & 0x8000) && d >= kHaveToneTime)
                toneHeard = true;
            if ((v & 0x8000) && toneHeard && d >= kToneDelay && ringBacks >= kRingBackCnt2)
                return Outcome::ToneTiming;
        }
        if (int r = TlxGetToneAnalyzeResult(ch); r != lastFirst) {
            lastFirst = r;
            if (r == 2)
                return Outcome::Busy;
            if (r == 3)
                ++ringBacks;
            if (r == 6 && !polarity) {
                bool armed = false;
                if (ringBacks == kRingBackCnt1 && !silenceArmed && dialDone)
                    silenceArmed = armed = true;
                if (!armed && ringBacks >= kRingBackCnt2 && !silenceArmed)
                    return Outcome::AnswerCue;
            }
        }
        if (int r = TlxGet2ndToneAnalyzeResult(ch); r != lastSecond && (lastSecond = r) == 2)
            return Outcome::Busy;
        if (polarity)
            if (int r = TlxGetPolarRvrsCount(ch); r != lastReversals && (lastReversals = r) == 1)
                return Outcome::Polarity;
        return std::nullopt;
    }
};

struct RuleCase
{
    const char *script;
    int channel;
    Outcome outcome;
};

class ktdrvAnswerRulesTest : public BoardTest, public ::testing::WithParamInterface<RuleCase>
{
};

TEST_P(ktdrvAnswerRulesTest, ScriptIsRecognisedByItsRule)
{
    const auto &c = GetParam();
    writeSim("[Simulator]\nTimeMode=virtual\n[Device0]\nHardwareId=10\nSerialNumber=1001\n"
             "ChannelTypes=0,0,0,0,2,2,2,2\nPolarityReversal=0,0,0,1,0,0,0,0\n[Numbers]\n555=" +
             std::string(c.script) + "\n");
    ASSERT_EQ(start(), 0);
    ServerRules rules{c.channel, c.channel == 3};
    ASSERT_EQ(TlxAutoDial(c.channel, "555"), 0);
    std::optional<Outcome> seen;
    for (int t = 0; t < 60000 && !seen; t += 100) {
        seen = rules.pass();
        TlxSimAdvance(100);
    }
    EXPECT_EQ(seen.value_or(Outcome::Nothing), c.outcome) << c.script;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ktdrvAnswerRulesTest,
    ::testing::Values(RuleCase{"ring:2,answer,voice:1500,silence:10000", 0, Outcome::AnswerCue},
                      RuleCase{"ring:0,answer,silence:5000", 0, Outcome::Silence},
                      RuleCase{"ring:2,answer,voice:1500,silence:10000", 3, Outcome::Polarity},
                      RuleCase{"ring:0,answer,silence:5000", 3, Outcome::Polarity},
                      RuleCase{"ring:1,silence:6000", 0, Outcome::ToneTiming},
                      RuleCase{"busy", 0, Outcome::Busy},
                      RuleCase{"ring:1,busy", 3, Outcome::Busy},
                      RuleCase{"ring:3,drop", 0, Outcome::FarEndGone},
                      RuleCase{"ring:forever", 0, Outcome::Nothing},
                      RuleCase{"ring:forever", 3, Outcome::Nothing}));

} // namespace
} // namespace ktdrv::test
