// The 32-bit millisecond tick counter and its wrap-around differences.
#include "common/TickCount.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(TickCountTest, DifferencesAcrossTheWrap)
{
    const struct
    {
        std::uint32_t earlier, later, expected;
    } cases[] = {
        {0, 0, 0},
        {100, 350, 250},
        {0xFFFFFF00u, 0x00000100u, 0x200u},
        {0xFFFFFFFFu, 0u, 1u},
        {5u, 4u, 0xFFFFFFFFu}, // a later reading taken before: the span of almost a whole wrap
    };
    for (const auto &c : cases)
        EXPECT_EQ(ticksBetween(c.earlier, c.later), c.expected) << c.earlier << " -> " << c.later;

    EXPECT_TRUE(ticksElapsed(0xFFFFFFF0u, 0x10u, 0x20u));
    EXPECT_FALSE(ticksElapsed(0xFFFFFFF0u, 0x0Fu, 0x20u));
}

TEST(TickCountTest, CounterMovesForward)
{
    const std::uint32_t a = tickCount();
    const std::uint32_t b = tickCount();
    EXPECT_LT(ticksBetween(a, b), 1000u);
}

} // namespace
} // namespace common
