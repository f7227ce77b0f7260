// Pauses of the worker that a stop request cuts short.
#include "lumosms/Pause.h"

#include <condition_variable>
#include <mutex>

namespace lumosms {

bool pauseFor(std::chrono::milliseconds duration, std::stop_token stop)
{
    std::mutex mutex;
    std::condition_variable_any wakeUp;
    std::unique_lock lock(mutex);
    wakeUp.wait_for(lock, stop, duration, [] { return false; });
    return !stop.stop_requested();
}

} // namespace lumosms
