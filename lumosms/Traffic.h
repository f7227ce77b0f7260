// The traffic object: the send and receive queues and the modem worker thread that owns the port.
#pragma once

#include "lumosms/AtDialogue.h"
#include "lumosms/ModemWorker.h"
#include "lumosms/Timing.h"

#include <memory>
#include <string>
#include <thread>

namespace lumosms {

/// Room of each queue, in records.
inline constexpr std::size_t kQueueCapacity = 1280;

class Traffic
{
public:
    /// Takes over an initialised modem and starts the worker on it.
    Traffic(std::unique_ptr<AtDialogue> modem, const Timing &timing, SentCallback onSent,
            UndecodableCallback onUndecodable = nullptr);
    ~Traffic();
    Traffic(const Traffic &) = delete;
    Traffic &operator=(const Traffic &) = delete;

    MessageQueue &sendQueue() { return m_sendQueue; }
    MessageQueue &receiveQueue() { return m_receiveQueue; }
    const Timing &timing() const { return m_timing; }

    /// The service-centre number found during initialisation, as the modem gave it.
    const std::string &serviceCentre() const { return m_modem->serviceCentre(); }

    /// True on the worker thread, that is inside the send-result or undecodable-message callback.
    bool onWorkerThread() const { return std::this_thread::get_id() == m_workerId; }

    /// Stops the worker (it ends its current step; a wait for room in the receive queue ends at once),
    /// then closes both queues, which releases waiting callers and discards their records, then closes
    /// the port. The result of closing the port; later calls return false.
    bool shutdown();

private:
    const Timing m_timing;
    std::unique_ptr<AtDialogue> m_modem;
    MessageQueue m_sendQueue{kQueueCapacity};
    MessageQueue m_receiveQueue{kQueueCapacity};
    ModemWorker m_worker;
    std::jthread m_thread;
    std::thread::id m_workerId;
    bool m_shutDown = false;
};

} // namespace lumosms
