// The driver side of the shared live-log block: the running flag and the requests of the tool.
#pragma once

#include "ktdrv/src/DriverLog.h"

#include <semaphore.h>
#include <string>

namespace ktdrv {

/// Names of the block and its event; KTDRV_IPC_SUFFIX (when set) is appended so that parallel test
/// runs do not meet.
std::string liveLogBlockName();
std::string liveLogEventName();
inline constexpr std::size_t kLiveLogBlockSize = 308;
inline constexpr std::size_t kRunningFlagOffset = 304;

class LiveLogBlock
{
public:
    /// Opens (or creates) the block and the event and sets the running flag.
    explicit LiveLogBlock(DriverLog &log);
    /// Clears the running flag.
    ~LiveLogBlock();
    LiveLogBlock(const LiveLogBlock &) = delete;
    LiveLogBlock &operator=(const LiveLogBlock &) = delete;
    /// Applies a request when the event has been signalled; cheap when it has not.
    void poll();

private:
    DriverLog &m_log;
    unsigned char *m_block = nullptr;
    sem_t *m_event = SEM_FAILED;
};

} // namespace ktdrv
