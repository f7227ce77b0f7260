// The send loop's states and their steps.
#include "smssender/SendLoop.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace smssender {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kSlice = 100ms;   // the longest wait of one step, so that a stop is seen at once
constexpr auto kFinishWait = 5s; // the longest wait for the answer in flight at a stop

std::string seconds(std::chrono::milliseconds d)
{
    char text[32];
    if (d.count() % 1000 == 0)
        std::snprintf(text, sizeof text, "%lld s", static_cast<long long>(d.count() / 1000));
    else
        std::snprintf(text, sizeof text, "%.3f s", static_cast<double>(d.count()) / 1000);
    return text;
}

} // namespace

SendLoop::SendLoop(SmsQueue &queue, Modem &modem, LoopOptions options, Report report, StopRequested stop)
    : m_queue(queue), m_modem(modem), m_options(options), m_report(std::move(report)), m_stop(std::move(stop))
{
}

void SendLoop::step()
{
    if (m_unrecorded) {
        recordPending();
        return;
    }
    switch (m_state) {
    case State::Closed:
        stepClosed();
        break;
    case State::Idle:
        stepIdle();
        break;
    case State::Awaiting:
        stepAwaiting();
        break;
    }
}

bool SendLoop::start()
{
    if (!m_modem.open())
        return false;
    m_nextProgress = Clock::now() + m_options.progressPeriod;
    m_state = State::Idle;
    m_pollNow = true;
    return true;
}

void SendLoop::run()
{
    while (!m_stop())
        step();
    finish();
}

bool SendLoop::runOnce()
{
    m_queueEmpty = false;
    // A database that refuses ends the run: the rows left stay queued for the next.
    while (!m_stop() && m_state != State::Closed && !m_databaseReported &&
           !(m_state == State::Idle && m_queueEmpty && !m_unrecorded))
        step();
    const bool complete = m_state == State::Idle && m_queueEmpty;
    finish();
    return complete;
}

void SendLoop::finish()
{
    // A stop waits a moment for the answer to the message in flight, so that the next run need not
    // send it again.
    const auto limit = Clock::now() + kFinishWait;
    while (m_state == State::Awaiting && Clock::now() < limit)
        stepAwaiting();
    if (m_unrecorded && !database(m_unrecorded))
        m_report("a result could not be recorded; a message in flight is sent again by the next run");
    m_modem.close();
}

void SendLoop::stepClosed()
{
    if (m_modem.open()) {
        if (m_lostReported)
            m_report("the modem answers again");
        m_lostReported = false;
        m_state = State::Idle;
        m_pollNow = true;
        return;
    }
    if (!m_lostReported)
        m_report("the modem cannot be opened or does not answer; trying again every " + seconds(m_options.pollPeriod));
    m_lostReported = true;
    pause(Clock::now() + m_options.pollPeriod);
}

void SendLoop::stepIdle()
{
    if (m_batch.empty() && (m_pollNow || Clock::now() >= m_nextPoll)) {
        // Between rows of a batch the queue is not read again; once it is worked off, it is read at once.
        m_pollNow = false;
        m_nextPoll = Clock::now() + m_options.pollPeriod;
        if (!database([this] {
                const std::vector<QueuedSms> rows = m_queue.due(m_options.batch);
                m_batch.assign(rows.begin(), rows.end());
            }))
            return;
        m_queueEmpty = m_batch.empty();
    }
    if (!m_batch.empty())
        sendNext();
    else
        listen();
}

void SendLoop::sendNext()
{
    QueuedSms row = m_batch.front();
    m_batch.pop_front();
    // The try is recorded before the modem has the row: a run that ends before the answer is recorded
    // leaves the row in flight, and the next run sends it again rather than never.
    if (!database([&] { m_queue.markInFlight(row); })) {
        m_batch.clear();
        return;
    }
    row.known = true;
    std::string why;
    switch (m_modem.send(row.id, row.mobile, row.content, &why)) {
    case QueueResult::Queued:
        m_inFlight = row;
        m_deadline = Clock::now() + m_options.answerTimeout;
        m_state = State::Awaiting;
        return;
    case QueueResult::Refused:
        ++m_counts.failed;
        m_report("SMS " + std::to_string(row.id) + " to " + row.mobile + " cannot be sent: " + why);
        record([this, row, why] { m_queue.markFailed(row, why, true); });
        m_pollNow = true;
        return;
    case QueueResult::NotReady:
        ++m_counts.failed;
        record([this, row, why] { m_queue.markFailed(row, why); });
        lose("the modem took no message");
        return;
    }
}

void SendLoop::listen()
{
    if (std::optional<ReceivedSms> message = m_modem.receive()) {
        record([this, received = *message] {
            m_queue.storeReceived(received);
            ++m_counts.received;
        });
        return;
    }
    pause(std::min(Clock::now() + kSlice, m_nextPoll));
}

void SendLoop::stepAwaiting()
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now());
    const std::optional<SendAnswer> answer =
        m_modem.waitAnswer(std::clamp(left, 0ms, std::chrono::milliseconds(kSlice)));
    if (answer && answer->messageId == m_inFlight->id) {
        const QueuedSms row = *m_inFlight;
        m_inFlight.reset();
        m_state = State::Idle;
        m_pollNow = true; // a failed row may be due again, and rows may have come meanwhile
        if (answer->accepted) {
            ++m_counts.sent;
            record([this, row] { m_queue.markSent(row); });
        } else {
            ++m_counts.failed;
            record([this, row] { m_queue.markFailed(row, "ERROR"); });
        }
        reportProgress();
        return;
    }
    if (answer || Clock::now() < m_deadline)
        return; // an answer to a message of before a reopen, or none yet
    const QueuedSms row = *m_inFlight;
    m_inFlight.reset();
    ++m_counts.failed;
    const std::string why = "no answer within " + seconds(m_options.answerTimeout);
    record([this, row, why] { m_queue.markFailed(row, why); });
    lose("the modem gave no answer to SMS " + std::to_string(row.id) + " within " + seconds(m_options.answerTimeout));
}

void SendLoop::lose(const std::string &why)
{
    m_modem.close();
    m_batch.clear();
    m_state = State::Closed;
    m_report(why + "; the port is closed and opened again when the modem is back");
    m_lostReported = true;
}

void SendLoop::reportProgress()
{
    if (Clock::now() < m_nextProgress)
        return;
    m_nextProgress = Clock::now() + m_options.progressPeriod;
    m_report(std::to_string(m_counts.sent) + " SMS sent so far, " + std::to_string(m_counts.failed) + " tries failed");
}

void SendLoop::pause(Clock::time_point until)
{
    while (!m_stop()) {
        const auto now = Clock::now();
        if (now >= until)
            return;
        std::this_thread::sleep_for(std::min<Clock::duration>(until - now, kSlice));
    }
}

void SendLoop::record(std::function<void()> write)
{
    if (!database(write))
        m_unrecorded = std::move(write);
}

void SendLoop::recordPending()
{
    if (database(m_unrecorded)) {
        m_unrecorded = nullptr;
        return;
    }
    pause(Clock::now() + m_options.pollPeriod);
}

bool SendLoop::database(const std::function<void()> &action)
{
    try {
        action();
        if (m_databaseReported)
            m_report("the database works again");
        m_databaseReported = false;
        return true;
    } catch (const server::DatabaseError &e) {
        if (!m_databaseReported)
            m_report(std::string("the database refused a statement: ") + e.what());
        m_databaseReported = true;
        m_pollNow = false; // look again after a poll period
        if (m_reconnect)
            m_reconnect();
        return false;
    }
}

} // namespace smssender
