// Trimming, GBK-aware case folding and cutting of byte texts.
#include "common/Text.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(TextTest, Trimming)
{
    EXPECT_EQ(trimBlanks(" \t a b \t"), "a b");
    EXPECT_EQ(trimBlanks("\r a \n"), "\r a \n");
    EXPECT_EQ(trimControls("\r\n\t a b \x01"), "a b");
    EXPECT_EQ(trimControls("   "), "");
}

TEST(TextTest, CaseFoldingLeavesGbkTrailBytesAlone)
{
    EXPECT_TRUE(equalsIgnoreCase("CardParm", "cardparm"));
    EXPECT_FALSE(equalsIgnoreCase("Card", "Cards"));
    // 0x81 0x41 and 0x81 0x61 are two different characters whose second bytes are 'A' and 'a'.
    EXPECT_FALSE(equalsIgnoreCase("\x81\x41", "\x81\x61"));
    EXPECT_EQ(foldCase("K\x81\x41Y"), "k\x81\x41y");
    EXPECT_EQ(hashIgnoreCase("TotalBoards"), hashIgnoreCase("TOTALBOARDS"));
}

TEST(TextTest, CutNeverSplitsAGbkCharacter)
{
    const std::string name = "\xD5\xC5\xC8\xFD"; // two GBK characters
    EXPECT_EQ(cutGbk(name, 4), name);
    EXPECT_EQ(cutGbk(name, 3), "\xD5\xC5");
    EXPECT_EQ(cutGbk(name, 1), "");
    EXPECT_EQ(cutGbk("ab\xD5\xC5", 3), "ab");
    EXPECT_EQ(cutGbk("abc", 0), "");
}

} // namespace
} // namespace common
