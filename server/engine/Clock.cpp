// The system clock and the manual clock of tests and virtual time.
#include "server/engine/Clock.h"

#include "common/TickCount.h"

namespace server {

std::uint32_t SystemClock::tick() const
{
    return common::tickCount();
}

common::DateTime SystemClock::now() const
{
    return common::DateTime::now();
}

common::DateTime ManualClock::now() const
{
    return m_start.addMilliseconds(common::ticksBetween(m_first, m_tick));
}

} // namespace server
