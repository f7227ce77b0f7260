// The strict and the leading-number integer rules of profile values.
#include "common/ProfileInteger.h"

#include <gtest/gtest.h>

namespace common {
namespace {

struct StrictCase
{
    const char *text;
    std::optional<std::int32_t> expected;
};

TEST(ProfileIntegerTest, StrictRule)
{
    const StrictCase cases[] = {
        {"0", 0},
        {"15", 15},
        {"-7", -7},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"0x1F", 31},
        {"0X1f", 31},
        {"0x", std::nullopt}, // "0x" needs a character after it to be hexadecimal, and is not decimal
        {"0xG", std::nullopt},
        {"$FF", 255},
        {"$", std::nullopt},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"0x0000000010", 16},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"12a", std::nullopt},
        {" 12", std::nullopt},
        {"1 2", std::nullopt},
        {"１２", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseStrictInteger(c.text), c.expected) << "text: \"" << c.text << '"';
}

TEST(ProfileIntegerTest, LeadingNumberRule)
{
    const struct
    {
        const char *text;
        std::int32_t expected;
    } cases[] = {
        {"100ms", 100}, {"8ms", 8},       {"-1", -1},         {"+5x", 5},          {"abc", 0},
        {"", 0},        {"-", 0},         {"0x10", 0},        {" 42", 42},         {"4294967295", -1},
        {"12 34", 12},  {"007", 7},       {"4294967296", 0},  {"-2147483648", -2147483647 - 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseLeadingInteger(c.text), c.expected) << "text: \"" << c.text << '"';
}

} // namespace
} // namespace common
