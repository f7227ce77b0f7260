// The modem worker: the loop of steps that sends queued messages, reports their results and empties the inbox.
#pragma once

#include "lumosms/AtDialogue.h"
#include "lumosms/BoundedQueue.h"
#include "lumosms/ListingParser.h"
#include "lumosms/MessageRecord.h"
#include "lumosms/ResponseBuffer.h"
#include "lumosms/Timing.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <stop_token>
#include <vector>

namespace lumosms {

using MessageQueue = BoundedQueue<MessageRecord>;

/// The send-result callback: result 1 sent, -1 refused by the modem; the caller's message ID.
using SentCallback = void (*)(int result, int messageId);

/// The report of a listed message that did not decode: its storage index and its PDU line.
using UndecodableCallback = void (*)(int storageIndex, const char *pdu);

enum class WorkerStep
{
    IdleStart,        ///< 0: mark the start of idle time
    Idle,             ///< 1: look into the send queue
    Send,             ///< 2: submit the current message
    AwaitAnswer,      ///< 3: poll for the modem's answer to the submit
    RetryPause,       ///< 4: pause before the same message is submitted again
    List,             ///< 5: ask for the inbox
    AwaitList,        ///< 6: poll for the listing
    DeleteNext,       ///< 7: delete the next listed message
    AwaitDelete,      ///< 8: poll for the answer to the delete
    DeleteRetryPause, ///< 9: pause before the same delete is repeated
    Stopped,          ///< the stop was requested during a step
};

class ModemWorker
{
public:
    /// The worker uses the dialogue's port alone while it runs; a null callback is never called.
    /// Listed messages that do not decode go to onUndecodable instead of the receive queue, and are
    /// deleted from the modem like the others.
    ModemWorker(AtDialogue &modem, MessageQueue &sendQueue, MessageQueue &receiveQueue, const Timing &timing,
                SentCallback onSent, UndecodableCallback onUndecodable = nullptr);

    /// Runs the steps until stop is requested, looking for it after every step.
    void run(std::stop_token stop);

    /// Runs one step and returns the next.
    WorkerStep step(WorkerStep current, std::stop_token stop);

private:
    using Clock = std::chrono::steady_clock;

    WorkerStep idleStart();
    WorkerStep idle(std::stop_token stop);
    WorkerStep send();
    WorkerStep awaitAnswer(std::stop_token stop);
    WorkerStep retryPause(std::stop_token stop);
    WorkerStep list();
    WorkerStep awaitList(std::stop_token stop);
    WorkerStep deleteNext();
    WorkerStep awaitDelete(std::stop_token stop);
    WorkerStep deleteRetryPause(std::stop_token stop);

    void markTime() { m_mark = Clock::now(); }
    bool elapsed(std::chrono::milliseconds span) const { return Clock::now() - m_mark >= span; }
    void report(int result);

    AtDialogue &m_modem;
    MessageQueue &m_sendQueue;
    MessageQueue &m_receiveQueue;
    const Timing m_timing;
    const SentCallback m_onSent;
    const UndecodableCallback m_onUndecodable;

    MessageRecord m_current;
    std::unique_ptr<ResponseBuffer> m_response = std::make_unique<ResponseBuffer>();
    std::vector<ListedMessage> m_listed;
    std::size_t m_nextDelete = 0;
    Clock::time_point m_deleteFirstTry = Clock::now(); ///< first attempt to delete the current index
    Clock::time_point m_mark = Clock::now();
};

} // namespace lumosms
