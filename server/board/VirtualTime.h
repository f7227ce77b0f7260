// Running the service on the software board's virtual clock: each timer fires at its due virtual time.
#pragma once

#include "server/engine/Clock.h"

#include <csignal>
#include <cstdint>

namespace server {

class Service;

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

/// Moves the board's virtual clock on by ms, firing the service's timers that run in the order of
/// their due times (a timer that runs from tick t, or from the start of this call, first fires at t
/// plus its period). Ends early, between two timers, once stop (when given) is set.
void runVirtualTime(Service &service, std::uint32_t ms, const volatile std::sig_atomic_t *stop = nullptr);

} // namespace server
