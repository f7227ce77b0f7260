// The 308-byte block and the event shared with a running driver for the live log settings: POSIX
// shared memory "/OrvaneCtiCfg_090622" and the named semaphore "/OrvaneCtiCfgEvent_090622" (each with
// $KTDRV_IPC_SUFFIX appended when set, as the driver does).
#pragma once

#include <semaphore.h>

#include <cstddef>
#include <string>

namespace ktcticonfig {

inline constexpr std::size_t kSharedLogBlockSize = 308;

class SharedLogBlock
{
public:
    SharedLogBlock() = default;
    ~SharedLogBlock();
    SharedLogBlock(const SharedLogBlock &) = delete;
    SharedLogBlock &operator=(const SharedLogBlock &) = delete;

    /// Opens the block, creating it when no driver has (readable and writable by everyone), then the
    /// event. On failure the message to show ("CreateCfgFileMap Failed!" or "CreateCfgEvent
    /// Failed!") is set and false returned.
    bool open(std::string *error);

    /// The mapped block, nullptr before a successful open().
    unsigned char *data() { return m_data; }
    /// Signals the event: a request waits in the block.
    bool post();

    static std::string blockName();
    static std::string eventName();

private:
    unsigned char *m_data = nullptr;
    sem_t *m_event = SEM_FAILED;
};

} // namespace ktcticonfig
