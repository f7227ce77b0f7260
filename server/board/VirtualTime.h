// Running the service on the software board's virtual clock: each timer fires at its due virtual time.
#pragma once

#include "server/engine/Clock.h"

#include <cstdint>

namespace server {

class TFrmServer;

/// The board's tick; wall time is a start time plus the ticks since the clock was made.
class BoardClock : public Clock
{
public:
    explicit BoardClock(common::DateTime start);
    std::uint32_t tick() const override;
    common::DateTime now() const override;

private:
    common::DateTime m_start;
    std::uint32_t m_first;
};

/// Moves the board's virtual clock on by ms, firing the window's enabled service timers in the order
/// of their due times (a timer enabled at tick t first fires at t plus its period).
void runVirtualTime(TFrmServer &window, std::uint32_t ms);

} // namespace server
