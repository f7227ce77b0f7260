// The real-time clock of the RTP streams: a thread that runs a tick every 20 ms on absolute deadlines.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace ktdrv {

class MediaClock
{
public:
    /// Starts the thread; tick runs every periodMs on deadlines that do not drift.
    MediaClock(int periodMs, std::function<void()> tick);
    /// Stops and joins the thread; tick must not wait for whoever destroys the clock.
    ~MediaClock();
    MediaClock(const MediaClock &) = delete;
    MediaClock &operator=(const MediaClock &) = delete;

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace ktdrv
