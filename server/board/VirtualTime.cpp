// The virtual-time runner of the service timers.
#include "server/board/VirtualTime.h"

#include "server/engine/Service.h"

#include "common/TickCount.h"
#include "ktdrv/KtSim.h"

#include <algorithm>
#include <array>

namespace server {

BoardClock::BoardClock(common::DateTime start) : m_start(start), m_first(TlxSimGetTick())
{
}

std::uint32_t BoardClock::tick() const
{
    return TlxSimGetTick();
}

common::DateTime BoardClock::now() const
{
    return m_start.addMilliseconds(common::ticksBetween(m_first, TlxSimGetTick()));
}

void runVirtualTime(Service &service, std::uint32_t ms, const volatile std::sig_atomic_t *stop)
{
    struct Timer
    {
        bool (Service::*runs)() const;
        int (Service::*period)() const;
        void (Service::*fire)();
        bool active = false;
        std::uint32_t due = 0;
    };
    std::array<Timer, 3> timers{{{&Service::running, &Service::statusTimerPeriod, &Service::StatusTimerTimer},
                                 {&Service::dispatching, &Service::systemTimerPeriod, &Service::SystemTimerTimer},
                                 {&Service::running, &Service::noticeStatusTimerPeriod, &Service::NoticeStatusTimerTimer}}};
    const auto periodOf = [&service](const Timer &t) { return static_cast<std::uint32_t>(std::max(1, (service.*t.period)())); };
    std::uint32_t now = TlxSimGetTick();
    const std::uint32_t end = now + ms;
    for (;;) {
        // A timer that has just been enabled counts its period from now.
        Timer *next = nullptr;
        for (Timer &t : timers) {
            const bool active = (service.*t.runs)();
            if (active && !t.active)
                t.due = now + periodOf(t);
            t.active = active;
            if (active && (!next || common::ticksBetween(now, t.due) < common::ticksBetween(now, next->due)))
                next = &t;
        }
        if (!next || common::ticksBetween(now, next->due) > common::ticksBetween(now, end)) {
            TlxSimAdvance(common::ticksBetween(now, end));
            return;
        }
        if (stop && *stop)
            return;
        TlxSimAdvance(common::ticksBetween(now, next->due));
        now = next->due;
        next->due = now + periodOf(*next);
        (service.*(next->fire))();
    }
}

} // namespace server
