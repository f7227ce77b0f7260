// The virtual-time runner of the service timers.
#include "server/board/VirtualTime.h"

#include "server/ui/FrmServer.h"

#include "common/TickCount.h"
#include "ktdrv/KtSim.h"

#include <QTimer>

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

void runVirtualTime(TFrmServer &window, std::uint32_t ms)
{
    struct Timer
    {
        QTimer *timer;
        void (TFrmServer::*fire)();
        bool active = false;
        std::uint32_t due = 0;
    };
    std::array<Timer, 3> timers{{{window.statusTimer(), &TFrmServer::StatusTimerTimer},
                                 {window.systemTimer(), &TFrmServer::SystemTimerTimer},
                                 {window.noticeStatusTimer(), &TFrmServer::NoticeStatusTimerTimer}}};
    std::uint32_t now = TlxSimGetTick();
    const std::uint32_t end = now + ms;
    for (;;) {
        // A timer that has just been enabled counts its period from now.
        Timer *next = nullptr;
        for (Timer &t : timers) {
            const bool active = t.timer->isActive();
            if (active && !t.active)
                t.due = now + static_cast<std::uint32_t>(std::max(1, t.timer->interval()));
            t.active = active;
            if (active && (!next || common::ticksBetween(now, t.due) < common::ticksBetween(now, next->due)))
                next = &t;
        }
        if (!next || common::ticksBetween(now, next->due) > common::ticksBetween(now, end)) {
            TlxSimAdvance(common::ticksBetween(now, end));
            return;
        }
        TlxSimAdvance(common::ticksBetween(now, next->due));
        now = next->due;
        next->due = now + static_cast<std::uint32_t>(std::max(1, next->timer->interval()));
        (window.*(next->fire))();
    }
}

} // namespace server
