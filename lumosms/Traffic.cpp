// The traffic object and the order in which it is taken down.
#include "lumosms/Traffic.h"

namespace lumosms {

Traffic::Traffic(std::unique_ptr<AtDialogue> modem, const Timing &timing, SentCallback onSent,
                 UndecodableCallback onUndecodable)
    : m_timing(timing), m_modem(std::move(modem)),
      m_worker(*m_modem, m_sendQueue, m_receiveQueue, m_timing, onSent, onUndecodable),
      m_thread([this](std::stop_token stop) { m_worker.run(stop); })
{
    m_workerId = m_thread.get_id();
}

Traffic::~Traffic()
{
    shutdown();
}

bool Traffic::shutdown()
{
    if (m_shutDown)
        return false;
    m_shutDown = true;
    m_thread.request_stop();
    if (m_thread.joinable())
        m_thread.join();
    m_sendQueue.close();
    m_receiveQueue.close();
    return m_modem->close();
}

} // namespace lumosms
