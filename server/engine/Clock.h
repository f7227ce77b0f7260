// Time as the engine sees it: the 32-bit millisecond tick and the wall clock.
#pragma once

#include "common/DateTime.h"

#include <cstdint>

namespace server {

class Clock
{
public:
    virtual ~Clock() = default;
    /// Milliseconds of the tick counter; differences are taken with common::ticksBetween.
    virtual std::uint32_t tick() const = 0;
    virtual common::DateTime now() const = 0;
};

/// The system's clocks.
class SystemClock : public Clock
{
public:
    std::uint32_t tick() const override;
    common::DateTime now() const override;
};

/// A clock that moves only when told: wall time is a start time plus the ticks since it was made.
class ManualClock : public Clock
{
public:
    explicit ManualClock(common::DateTime start, std::uint32_t firstTick = 0) : m_start(start), m_first(firstTick), m_tick(firstTick) {}
    std::uint32_t tick() const override { return m_tick; }
    common::DateTime now() const override;
    void advance(std::uint32_t ms) { m_tick += ms; }
    void setTick(std::uint32_t tick) { m_tick = tick; }

private:
    common::DateTime m_start;
    std::uint32_t m_first;
    std::uint32_t m_tick;
};

} // namespace server
