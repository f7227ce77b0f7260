// The modem worker's steps.
#include "lumosms/ModemWorker.h"

#include "lumosms/Pause.h"
#include "lumosms/PduEncoder.h"

namespace lumosms {

ModemWorker::ModemWorker(AtDialogue &modem, MessageQueue &sendQueue, MessageQueue &receiveQueue, const Timing &timing,
                         SentCallback onSent, UndecodableCallback onUndecodable)
    : m_modem(modem), m_sendQueue(sendQueue), m_receiveQueue(receiveQueue), m_timing(timing), m_onSent(onSent),
      m_onUndecodable(onUndecodable)
{
}

void ModemWorker::run(std::stop_token stop)
{
    WorkerStep current = WorkerStep::IdleStart;
    while (current != WorkerStep::Stopped) {
        current = step(current, stop);
        if (!pauseFor(m_timing.stopCheck, stop))
            break;
    }
}

WorkerStep ModemWorker::step(WorkerStep current, std::stop_token stop)
{
    switch (current) {
    case WorkerStep::IdleStart:
        return idleStart();
    case WorkerStep::Idle:
        return idle(stop);
    case WorkerStep::Send:
        return send();
    case WorkerStep::AwaitAnswer:
        return awaitAnswer(stop);
    case WorkerStep::RetryPause:
        return retryPause(stop);
    case WorkerStep::List:
        return list();
    case WorkerStep::AwaitList:
        return awaitList(stop);
    case WorkerStep::DeleteNext:
        return deleteNext();
    case WorkerStep::AwaitDelete:
        return awaitDelete(stop);
    case WorkerStep::DeleteRetryPause:
        return deleteRetryPause(stop);
    case WorkerStep::Stopped:
        break;
    }
    return WorkerStep::Stopped;
}

void ModemWorker::report(int result)
{
    if (m_onSent)
        m_onSent(result, m_current.messageId);
}

WorkerStep ModemWorker::idleStart()
{
    markTime();
    return WorkerStep::Idle;
}

WorkerStep ModemWorker::idle(std::stop_token stop)
{
    if (!pauseFor(m_timing.idlePause, stop))
        return WorkerStep::Stopped;
    if (auto record = m_sendQueue.get(m_timing.queueWait)) {
        m_current = *record;
        return WorkerStep::Send;
    }
    return elapsed(m_timing.idleBeforeListing) ? WorkerStep::List : WorkerStep::Idle;
}

WorkerStep ModemWorker::send()
{
    const auto pdu = encodeSubmit(m_current);
    if (!pdu) {
        // The send export checks every message before queueing it, so this is a record the modem could
        // never take: refuse it rather than submit it forever.
        report(-1);
        return WorkerStep::IdleStart;
    }
    m_response->clear();
    m_modem.submit(*pdu);
    markTime();
    return WorkerStep::AwaitAnswer;
}

WorkerStep ModemWorker::awaitAnswer(std::stop_token stop)
{
    if (!pauseFor(m_timing.pollPause, stop))
        return WorkerStep::Stopped;
    switch (m_modem.poll(*m_response)) {
    case ResponseState::Complete:
        report(1);
        return WorkerStep::IdleStart;
    case ResponseState::Error:
        report(-1);
        return WorkerStep::IdleStart;
    case ResponseState::Pending:
        break;
    }
    return elapsed(m_timing.submitTimeout) ? WorkerStep::RetryPause : WorkerStep::AwaitAnswer;
}

WorkerStep ModemWorker::retryPause(std::stop_token stop)
{
    return pauseFor(m_timing.retryPause, stop) ? WorkerStep::Send : WorkerStep::Stopped;
}

WorkerStep ModemWorker::list()
{
    m_response->clear();
    m_modem.list();
    markTime();
    return WorkerStep::AwaitList;
}

WorkerStep ModemWorker::awaitList(std::stop_token stop)
{
    if (!pauseFor(m_timing.pollPause, stop))
        return WorkerStep::Stopped;
    switch (m_modem.poll(*m_response)) {
    case ResponseState::Complete:
        m_listed = parseListing(m_response->text());
        if (m_listed.empty())
            return WorkerStep::IdleStart;
        // Delete nothing before every message is safely in the receive queue or reported: a full queue
        // makes the worker wait here, and a stop while waiting leaves the messages on the modem. One that
        // does not decode is deleted all the same: listing has marked it read, so it would never be
        // listed again and would only fill the modem's storage.
        for (const ListedMessage &listed : m_listed) {
            if (!listed.decoded) {
                if (m_onUndecodable)
                    m_onUndecodable(listed.record.storageIndex, listed.pdu.c_str());
            } else if (!m_receiveQueue.put(listed.record, stop)) {
                return WorkerStep::Stopped;
            }
        }
        m_nextDelete = 0;
        m_deleteFirstTry = Clock::now();
        return WorkerStep::DeleteNext;
    case ResponseState::Error:
        return WorkerStep::IdleStart;
    case ResponseState::Pending:
        break;
    }
    return elapsed(m_timing.listTimeout) ? WorkerStep::IdleStart : WorkerStep::AwaitList;
}

WorkerStep ModemWorker::deleteNext()
{
    if (m_nextDelete >= m_listed.size())
        return WorkerStep::IdleStart;
    m_response->clear();
    m_modem.remove(m_listed[m_nextDelete].record.storageIndex);
    markTime();
    return WorkerStep::AwaitDelete;
}

WorkerStep ModemWorker::awaitDelete(std::stop_token stop)
{
    if (!pauseFor(m_timing.pollPause, stop))
        return WorkerStep::Stopped;
    switch (m_modem.poll(*m_response)) {
    case ResponseState::Complete:
        ++m_nextDelete;
        m_deleteFirstTry = Clock::now();
        return WorkerStep::DeleteNext;
    case ResponseState::Error:
        // A modem that refuses one delete for good must not keep the worker from sending: the retries
        // of one index end after the delete time-out, like an unanswered delete.
        if (Clock::now() - m_deleteFirstTry >= m_timing.deleteTimeout)
            return WorkerStep::IdleStart;
        return WorkerStep::DeleteRetryPause;
    case ResponseState::Pending:
        break;
    }
    return elapsed(m_timing.deleteTimeout) ? WorkerStep::IdleStart : WorkerStep::AwaitDelete;
}

WorkerStep ModemWorker::deleteRetryPause(std::stop_token stop)
{
    return pauseFor(m_timing.retryPause, stop) ? WorkerStep::DeleteNext : WorkerStep::Stopped;
}

} // namespace lumosms
