// Octets to and from hexadecimal text, and what counts as a damaged text.
#include "lumosms/HexText.h"

#include <gtest/gtest.h>

namespace lumosms {
namespace {

TEST(HexTextTest, WritesUpperCaseHighNibbleFirst)
{
    const std::vector<std::uint8_t> octets{0x00, 0x4E, 0x2D, 0xAB, 0xFF};
    EXPECT_EQ(toHex(octets), "004E2DABFF");
    EXPECT_EQ(fromHex("004E2DABFF"), octets);
    EXPECT_EQ(fromHex("004e2dabff"), octets);
    EXPECT_EQ(fromHex(""), std::vector<std::uint8_t>{});
}

TEST(HexTextTest, RefusesOddLengthsAndForeignCharacters)
{
    for (const char *text : {"0", "ABC", "0G", "4E 2D", "--", "4E\r\n"})
        EXPECT_FALSE(fromHex(text).has_value()) << text;
}

} // namespace
} // namespace lumosms
