// The media thread: clock_nanosleep to absolute deadlines, so that packets keep their 20 ms spacing.
#include "ktdrv/src/MediaClock.h"

#include <ctime>

namespace ktdrv {

MediaClock::MediaClock(int periodMs, std::function<void()> tick)
{
    m_thread = std::thread([this, periodMs, tick = std::move(tick)] {
        timespec next{};
        clock_gettime(CLOCK_MONOTONIC, &next);
        const long period = periodMs * 1000000L;
        while (!m_stop.load()) {
            next.tv_nsec += period;
            while (next.tv_nsec >= 1000000000L) {
                next.tv_nsec -= 1000000000L;
                ++next.tv_sec;
            }
            while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) != 0) {
            }
            if (m_stop.load())
                break;
            tick();
            // After a stall (a suspended machine, say) the clock starts afresh rather than catch up.
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            if (now.tv_sec > next.tv_sec + 1)
                next = now;
        }
    });
}

MediaClock::~MediaClock()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace ktdrv
