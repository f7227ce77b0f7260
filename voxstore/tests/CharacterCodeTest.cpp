// Character codes of GBK text: ASCII, GB2312 hanzi, everything else at code 0.
#include "voxstore/CharacterCode.h"

#include <gtest/gtest.h>

#include <string>

namespace voxstore {
namespace {

TEST(CharacterCodeTest, CodesAndBytesTaken)
{
    const struct
    {
        std::string text;
        std::uint16_t code;
        std::uint8_t bytes;
    } cases[] = {
        {"A", 'A', 1},         {"\x7F", 127, 1},       {"\xB0\xA1", 128, 2}, {"\xB0\xFE", 221, 2},
        {"\xB1\xA1", 222, 2},  {"\xF7\xFE", 6895, 2},  {"\xA3\xAC", 0, 2},   {"\xA3\xB1", 0, 2},
        {"\xB0\xA0", 0, 2},    {"\xB0\xFF", 0, 2},     {"\xF8\xA1", 0, 2},   {"\x81\x40", 0, 2},
        {"\xB0" "A", 0, 2},    {"\xB0", 0, 1},         {"\x80", 0, 1},       {"\xFF\xFF", 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto got = readCharacter(reinterpret_cast<const unsigned char *>(c.text.data()), c.text.size());
        EXPECT_EQ(got.code, c.code);
        EXPECT_EQ(got.bytes, c.bytes);
    }
}

} // namespace
} // namespace voxstore
