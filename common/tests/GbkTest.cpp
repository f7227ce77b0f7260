// GBK conversions, including bytes and characters that do not convert.
#include "common/Gbk.h"

#include <gtest/gtest.h>

namespace common {
namespace {

const std::string kZhangSanGbk = "\xD5\xC5\xC8\xFD";
const std::string kZhangSanUtf8 = "\xE5\xBC\xA0\xE4\xB8\x89";

TEST(GbkTest, RoundTrips)
{
    EXPECT_EQ(gbkToUtf8(kZhangSanGbk), kZhangSanUtf8);
    EXPECT_EQ(utf8ToGbk(kZhangSanUtf8), kZhangSanGbk);
    EXPECT_EQ(gbkToUtf16(kZhangSanGbk), u"\u5F20\u4E09");
    EXPECT_EQ(utf16ToGbk(u"\u5F20\u4E09 A1"), kZhangSanGbk + " A1");
    EXPECT_EQ(gbkToUtf8(""), "");
    const std::string longText(100000, 'x');
    EXPECT_EQ(gbkToUtf8(longText), longText);
}

TEST(GbkTest, InvalidInputIsReplacedAndTheRestKept)
{
    const struct
    {
        std::string gbk, utf8;
    } cases[] = {
        {"a\x80" "b", "a\xE2\x82\xAC" "b"},                  // 0x80 is the euro sign, as in code page 936
        {"a\xFF", "a\xEF\xBF\xBD"},
        {"\xD5", "\xEF\xBF\xBD"},                             // a lead byte cut off at the end
        {"\xD5\x20x", "\xEF\xBF\xBD x"},                      // a lead byte before a blank
        {std::string("a\0b", 3), std::string("a\0b", 3)},     // NUL passes
    };
    for (const auto &c : cases)
        EXPECT_EQ(gbkToUtf8(c.gbk), c.utf8);

    EXPECT_EQ(utf8ToGbk("a\xC3" "b"), "a?b");                 // broken UTF-8 sequence
    EXPECT_EQ(utf8ToGbk("\xF0\x9F\x98\x80!"), "?!");         // emoji: one '?' for the whole character
    EXPECT_EQ(utf16ToGbk(std::u16string(u"x") + char16_t(0xD800) + u"y"), "x?y"); // lone surrogate
    EXPECT_EQ(utf16ToGbk(u"\U0001F600"), "?");
}

TEST(GbkTest, TextOfUnknownEncoding)
{
    EXPECT_TRUE(isValidUtf8("plain ascii"));
    EXPECT_TRUE(isValidUtf8(kZhangSanUtf8));
    EXPECT_FALSE(isValidUtf8(kZhangSanGbk));
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(isValidUtf8("\xE5\xBC"));         // cut off
    EXPECT_EQ(anyToUtf8("/srv/" + kZhangSanUtf8 + "/KtSim.ini:2"), "/srv/" + kZhangSanUtf8 + "/KtSim.ini:2");
    EXPECT_EQ(anyToUtf8(kZhangSanGbk), kZhangSanUtf8);
}

} // namespace
} // namespace common
