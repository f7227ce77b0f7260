// Parsing of far-end and telephone scripts, and number patterns.
#include "ktdrv/src/Script.h"

#include <gtest/gtest.h>

namespace ktdrv {
namespace {

TEST(ktdrvScriptTest, ParsesEveryFarEndStep)
{
    std::string error;
    auto s = parseScript("ring:2, answer,voice:1500,silence:5000,key:12#,wait:300,hangup,drop,busy,ring:forever",
                         ScriptKind::FarEnd, error);
    ASSERT_TRUE(s) << error;
    using K = ScriptStep::Kind;
    const K kinds[] = {K::Ring, K::Answer, K::Voice, K::Silence, K::Key, K::Wait, K::Hangup, K::Drop, K::Busy, K::Ring};
    ASSERT_EQ(s->size(), std::size(kinds));
    for (std::size_t i = 0; i < s->size(); ++i)
        EXPECT_EQ((*s)[i].kind, kinds[i]) << i;
    EXPECT_EQ((*s)[0].count, 2u);
    EXPECT_EQ((*s)[2].ms, 1500u);
    EXPECT_EQ((*s)[4].digits, "12#");
    EXPECT_EQ((*s)[9].ms, kForever);
}

TEST(ktdrvScriptTest, ParsesTelephoneSteps)
{
    std::string error;
    auto s = parseScript("answer:3000,key:1#,flash,hangup:5000", ScriptKind::Station, error);
    ASSERT_TRUE(s) << error;
    EXPECT_EQ((*s)[0].ms, 3000u);
    EXPECT_EQ((*s)[3].ms, 5000u);
    EXPECT_TRUE(parseScript("noanswer", ScriptKind::Station, error));
    EXPECT_TRUE(parseScript("at:1000,key:5", ScriptKind::Station, error));
}

TEST(ktdrvScriptTest, RefusesMalformedStepsWithTheReason)
{
    struct Case
    {
        const char *text;
        ScriptKind kind;
        const char *error;
    } cases[] = {
        {"", ScriptKind::FarEnd, "step 1 is empty"},
        {"ring:2,,answer", ScriptKind::FarEnd, "step 2 is empty"},
        {"ring", ScriptKind::FarEnd, "step 1: ring needs a cycle count"},
        {"ring:-1", ScriptKind::FarEnd, "ring cycles '-1' is not a number"},
        {"voice:abc", ScriptKind::FarEnd, "step 1: voice needs milliseconds"},
        {"key:12x", ScriptKind::FarEnd, "not a DTMF key"},
        {"answer:100", ScriptKind::FarEnd, "answer takes no argument"},
        {"busy:3", ScriptKind::FarEnd, "busy takes no argument"},
        {"flash", ScriptKind::FarEnd, "unknown step 'flash'"},
        {"voice:100", ScriptKind::Station, "unknown step 'voice'"},
        {"answer:soon", ScriptKind::Station, "answer needs milliseconds"},
        {"silence:99999999999", ScriptKind::FarEnd, "silence needs milliseconds"},
    };
    for (const auto &c : cases) {
        std::string error;
        EXPECT_FALSE(parseScript(c.text, c.kind, error)) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.text << " -> " << error;
    }
}

TEST(ktdrvScriptTest, MatchesNumbersWithWildcards)
{
    struct Case
    {
        const char *pattern, *digits;
        bool match;
    } cases[] = {{"100", "100", true},   {"100", "1000", false}, {"8*", "8", true},        {"8*", "81234", true},
                 {"9?9", "919", true},   {"9?9", "99", false},   {"*", "", true},          {"*5*", "12534", true},
                 {"1*3?", "1223", false}, {"1*3?", "12334", true}, {"?", "", false}};
    for (const auto &c : cases)
        EXPECT_EQ(matchNumber(c.pattern, c.digits), c.match) << c.pattern << " " << c.digits;
}

} // namespace
} // namespace ktdrv
