// The timing source shared by the worker and the serial port.
#include "lumosms/Timing.h"

#include <mutex>

namespace lumosms {

namespace {

std::mutex timingMutex;
Timing sharedTiming;

template <typename Duration> Duration scale(Duration d, double factor)
{
    return Duration(static_cast<typename Duration::rep>(static_cast<double>(d.count()) * factor));
}

} // namespace

Timing Timing::scaled(double f) const
{
    Timing t;
    t.idlePause = scale(idlePause, f);
    t.queueWait = scale(queueWait, f);
    t.pollPause = scale(pollPause, f);
    t.submitTimeout = scale(submitTimeout, f);
    t.idleBeforeListing = scale(idleBeforeListing, f);
    t.listTimeout = scale(listTimeout, f);
    t.deleteTimeout = scale(deleteTimeout, f);
    t.retryPause = scale(retryPause, f);
    t.stopCheck = scale(stopCheck, f);
    t.readGap = scale(readGap, f);
    t.readPerByte = scale(readPerByte, f);
    t.readConstant = scale(readConstant, f);
    t.writePerByte = scale(writePerByte, f);
    t.writeConstant = scale(writeConstant, f);
    return t;
}

Timing currentTiming()
{
    std::lock_guard lock(timingMutex);
    return sharedTiming;
}

void setTiming(const Timing &timing)
{
    std::lock_guard lock(timingMutex);
    sharedTiming = timing;
}

} // namespace lumosms
