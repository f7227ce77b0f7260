// The block of shared memory through which the tool changes the logging of a running board driver,
// and in which the driver reports itself running; a named semaphore is the event that hands a request
// over.
#pragma once

#include "ktcticonfig/model/LiveLogRequest.h"

#include <memory>
#include <string>

namespace ktcticonfig {

inline constexpr std::size_t kSharedLogBlockSize = 308;

class SharedLogBlock
{
public:
    /// "/OrvaneCtiCfg_090622" and "/OrvaneCtiCfgEvent_090622", each followed by KTDRV_IPC_SUFFIX when
    /// that is set (the board driver reads the same variable), so that parallel test runs do not meet.
    static std::string blockName();
    static std::string eventName();

    /// Opens the block and the event, creating them (readable and writable by everyone, the event not
    /// signalled) when they do not exist. Nothing and the failure's message when either cannot be had.
    static std::unique_ptr<SharedLogBlock> open(std::string *error);

    ~SharedLogBlock();
    SharedLogBlock(const SharedLogBlock &) = delete;
    SharedLogBlock &operator=(const SharedLogBlock &) = delete;

    /// The driver-running flag: non-zero while a started driver has the block open.
    bool driverRunning() const;
    /// The request the block holds now.
    LiveLogRequest request() const;
    /// Writes every field of the request into the block, then sets the event.
    void send(const LiveLogRequest &request);

private:
    SharedLogBlock() = default;

    unsigned char *m_block = nullptr;
    void *m_event = nullptr;
};

} // namespace ktcticonfig
