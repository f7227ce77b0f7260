// A fake GSM modem on a pseudo-terminal: answers the library's AT commands as a test prescribes.
#pragma once

#include "lumosms/BoundedQueue.h"
#include "lumosms/Timing.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace lumosms::test {

/// How the fake modem answers. Fixed before it starts; its running state (inbox, answer sequences) then
/// belongs to the modem's own thread.
struct ModemBehaviour
{
    /// Commands (without "\r") answered "\r\nERROR\r\n" during initialisation, and those not answered at all.
    std::vector<std::string> failing;
    std::vector<std::string> silent;
    std::string serviceCentreReply = "\r\n+CSCA: \"+8613800100500\",145\r\n\r\nOK\r\n";

    enum class Prompt
    {
        Whole, ///< "\r\n> " in one write
        Split, ///< "\r\n", a pause longer than a read, then "> "
        None,  ///< no prompt
    };
    Prompt prompt = Prompt::Whole;

    /// Answers to successive PDUs: "OK", "ERROR" or "" (silence); "OK" once they run out.
    std::vector<std::string> submitAnswers;

    /// Stored messages by storage index; every listing shows all that are still stored.
    std::map<int, std::string> inbox;
    /// Storage indexes whose first delete is answered "ERROR"; "silent" makes the delete unanswered.
    std::vector<int> deleteErrorsOnce;
    /// Storage indexes whose every delete is answered "ERROR".
    std::vector<int> deleteRefused;
    bool deletesSilent = false;
    /// Answer to AT+CMGL instead of the listing of the inbox, when set.
    std::optional<std::string> listingReply;
};

/// One command or PDU the modem received, with its terminator ("\r" or Ctrl-Z).
struct ReceivedCommand
{
    std::chrono::steady_clock::time_point at;
    std::string text;
};

class FakeModem
{
public:
    explicit FakeModem(ModemBehaviour behaviour = {});
    ~FakeModem();
    FakeModem(const FakeModem &) = delete;
    FakeModem &operator=(const FakeModem &) = delete;

    /// Points serial port `port` at this modem (environment variable LUMOSMS_COM<port>).
    void installAsPort(int port) const;

    const std::string &devicePath() const { return m_slavePath; }

    /// The next command received, waiting at most `wait`.
    std::optional<ReceivedCommand> next(std::chrono::milliseconds wait = std::chrono::milliseconds(2000));

    /// Skips commands until one that starts with prefix; nothing when none came within `wait`.
    std::optional<ReceivedCommand> nextStartingWith(std::string_view prefix,
                                                    std::chrono::milliseconds wait = std::chrono::milliseconds(2000));

    /// True when no one holds the port open any more.
    bool portClosed() const;

private:
    void serve(std::stop_token stop, ModemBehaviour behaviour);

    int m_master = -1;
    std::string m_slavePath;
    BoundedQueue<ReceivedCommand> m_received{4096};
    std::jthread m_thread;
};

/// Short waits for tests: every retry and time-out path runs in a fraction of a second.
Timing testTiming();

} // namespace lumosms::test
