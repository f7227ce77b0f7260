// The system's 32-bit millisecond tick counter and wrap-around-safe differences of its readings.
#pragma once

#include <cstdint>

namespace common {

/// Milliseconds of the monotonic clock, truncated to 32 bits: it wraps after about 49.7 days.
std::uint32_t tickCount();

/// Milliseconds from an earlier reading to a later one, correct across one wrap of the counter.
constexpr std::uint32_t ticksBetween(std::uint32_t earlier, std::uint32_t later)
{
    return later - earlier;
}

/// True when at least `span` milliseconds have passed from `start` to `now`.
constexpr bool ticksElapsed(std::uint32_t start, std::uint32_t now, std::uint32_t span)
{
    return ticksBetween(start, now) >= span;
}

} // namespace common
