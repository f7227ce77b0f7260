// The mapping file of voxdb-build: characters, code:N, and the lines it refuses.
#include "voxstore/builder/CharacterMapping.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace voxstore {
namespace {

TEST(CharacterMappingTest, CharacterFields)
{
    const struct
    {
        const char *field;
        std::optional<std::uint16_t> code;
    } cases[] = {
        {"A", 'A'},     {"?", '?'},     {"\xE5\x95\x8A", 128} /* 啊 B0A1 */, {"\xE5\xBC\xA0", 0xD5 * 94 + 0xC5 - 16577},
        {"code:0", 0},  {"code:32", 32}, {"code:6895", 6895},
        {"code:6896", std::nullopt},     {"code:", std::nullopt},            {"code:1x", std::nullopt},
        {"\xEF\xBC\x8C", std::nullopt} /* full-width comma: entry 0 */,      {"AB", std::nullopt},
        {"\xF0\x9F\x98\x80", std::nullopt} /* not in GBK */,                 {"\xE4\xB8\x82", std::nullopt} /* GBK only */,
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(codeOfCharacterField(c.field), c.code);
    }
}

TEST(CharacterMappingTest, ParsesLinesAndNamesTheBadOne)
{
    const auto entries = parseMapping("\xEF\xBB\xBF" "A a.wav\r\n\n\xE5\x95\x8A\tchars/0128 one.voc  \ncode:32 space.voc");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].code, 'A');
    EXPECT_EQ(entries[0].file, "a.wav");
    EXPECT_EQ(entries[1].code, 128);
    EXPECT_EQ(entries[1].file, "chars/0128 one.voc");
    EXPECT_EQ(entries[1].line, 3);
    EXPECT_EQ(entries[2].code, 32);

    const struct
    {
        const char *content;
        const char *message;
    } bad[] = {
        {"A a.wav\nB\n", "mapping line 2: a character and a file name are needed"},
        {"AB x.wav", "mapping line 1: \"AB\" is not"},
        {"A a.wav\n\nA b.wav", "mapping line 3: \"A\" is mapped on line 1 already"},
    };
    for (const auto &c : bad) {
        try {
            parseMapping(c.content);
            ADD_FAILURE() << c.content;
        } catch (const std::runtime_error &e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(c.message)) << e.what();
        }
    }
}

} // namespace
} // namespace voxstore
