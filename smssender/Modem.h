// The modem as the send loop sees it: open, queue one message, wait for its answer, take received ones.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace smssender {

/// The modem's answer to one message.
struct SendAnswer
{
    int messageId = 0;
    bool accepted = false; ///< true: the modem answered OK; false: it answered ERROR
};

/// A message the modem received.
struct ReceivedSms
{
    std::string number; ///< the sender, without a leading "86"
    std::string time;   ///< the service centre's time stamp, "yyyy-mm-dd hh:mm:ss"
    std::string text;   ///< UTF-8
};

/// Result of queueing one message.
enum class QueueResult
{
    Queued,
    Refused,  ///< the message cannot be sent as it stands (number or text); sending it again does not help
    NotReady, ///< the modem is not open or took nothing
};

class Modem
{
public:
    virtual ~Modem() = default;
    /// Opens the port and runs the modem's start-up dialogue; false when either fails.
    virtual bool open() = 0;
    /// Queues one message (number and UTF-8 text); why receives the reason of a refusal.
    virtual QueueResult send(int messageId, const std::string &number, const std::string &text, std::string *why) = 0;
    /// The next answer of the modem, waiting at most `wait`.
    virtual std::optional<SendAnswer> waitAnswer(std::chrono::milliseconds wait) = 0;
    /// The oldest received message; may wait a moment for one.
    virtual std::optional<ReceivedSms> receive() = 0;
    /// Closes the port; queued and unanswered messages are dropped.
    virtual void close() = 0;
};

} // namespace smssender
