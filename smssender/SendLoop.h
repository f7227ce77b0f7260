// The send loop: a small state machine that hands due rows to the modem one at a time and records
// each answer, reopening the modem when it stops answering.
#pragma once

#include "smssender/Modem.h"
#include "smssender/SmsQueue.h"

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace smssender {

struct LoopOptions
{
    std::chrono::milliseconds pollPeriod{5000};      ///< between two looks for due rows while idle
    std::chrono::milliseconds answerTimeout{30000};  ///< longest wait for the modem's answer to one message
    int batch = 50;                                  ///< rows read from the database at a time
    std::chrono::milliseconds progressPeriod{10000}; ///< at most this often a line of how many were sent
};

/// Counts of one run, for the report at its end.
struct LoopCounts
{
    int sent = 0;     ///< messages the modem accepted
    int failed = 0;   ///< tries that failed (ERROR, no answer, refused)
    int received = 0; ///< messages received and stored
};

class SendLoop
{
public:
    enum class State
    {
        Closed,   ///< the modem is not open: open it, or wait and try again
        Idle,     ///< the modem is open and nothing is in flight: send the next due row or listen
        Awaiting, ///< one row is in flight: wait for the modem's answer or the time-out
    };

    using Report = std::function<void(const std::string &)>;
    using StopRequested = std::function<bool()>;

    SendLoop(SmsQueue &queue, Modem &modem, LoopOptions options, Report report, StopRequested stop);

    /// Sets what makes the database connection again after the database refused a statement (a
    /// server database that restarted drops its connections).
    void setReconnect(std::function<void()> reconnect) { m_reconnect = std::move(reconnect); }

    /// Opens the modem; false when it cannot be opened or does not answer.
    bool start();
    /// One step of the current state; it waits at most a moment (100 ms) or the time its state asks for.
    void step();
    /// After start(): steps until a stop is requested, then waits at most 5 s for the answer to the
    /// message in flight and closes the modem. A modem that stops answering is reopened whenever it
    /// is back.
    void run();
    /// After start(): sends every row due now (a failed one again until its tries are used up), then
    /// closes the modem. False when the modem was lost, the database refused or a stop came first; the
    /// rows left stay queued.
    bool runOnce();

    State state() const { return m_state; }
    const LoopCounts &counts() const { return m_counts; }

private:
    void stepClosed();
    void stepIdle();
    void stepAwaiting();

    /// Waits a moment for the answer to a message in flight, then closes the modem.
    void finish();
    void sendNext();
    void listen();
    /// Waits until `until` or a stop, whichever comes first.
    void pause(std::chrono::steady_clock::time_point until);
    /// Runs a database action; a refusal is reported (once until the database works again) and false.
    bool database(const std::function<void()> &action);
    /// Writes what became of a message (an answer, a failure, a received message). When the database
    /// refuses, the write is kept and tried again before anything else: nothing is sent meanwhile,
    /// so that no answer goes unrecorded and no received message is lost.
    void record(std::function<void()> write);
    void recordPending();
    void lose(const std::string &why);
    /// Says how many were sent so far, at most once a progress period.
    void reportProgress();

    SmsQueue &m_queue;
    Modem &m_modem;
    LoopOptions m_options;
    Report m_report;
    StopRequested m_stop;
    std::function<void()> m_reconnect;

    State m_state = State::Closed;
    std::deque<QueuedSms> m_batch;
    std::optional<QueuedSms> m_inFlight;
    std::function<void()> m_unrecorded; ///< a write the database refused, tried again first
    std::chrono::steady_clock::time_point m_deadline;
    std::chrono::steady_clock::time_point m_nextPoll;
    std::chrono::steady_clock::time_point m_nextProgress;
    bool m_pollNow = true;
    bool m_lostReported = false;
    bool m_databaseReported = false;
    bool m_queueEmpty = false; ///< the last look for due rows found none
    LoopCounts m_counts;
};

} // namespace smssender
