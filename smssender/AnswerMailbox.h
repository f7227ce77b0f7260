// The hand-over of the modem's answers from the library's worker thread to the send loop.
#pragma once

#include "smssender/Modem.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace smssender {

/// An unbounded FIFO with one waiting taker: the worker puts, the loop takes. The library sends one
/// message at a time and the loop queues one at a time, so it never holds more than a few answers.
class AnswerMailbox
{
public:
    void put(const SendAnswer &answer);
    /// The oldest answer, waiting at most `wait` for one.
    std::optional<SendAnswer> take(std::chrono::milliseconds wait);
    /// Drops every answer held (those of messages the loop no longer waits for).
    void clear();

private:
    std::mutex m_mutex;
    std::condition_variable m_filled;
    std::deque<SendAnswer> m_answers;
};

} // namespace smssender
