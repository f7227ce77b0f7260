// Faults reported when they begin and when they end.
#include "server/engine/LastingFault.h"

namespace server {

// The state changes before the report, so that a report which itself meets the fault (a log line
// written to the failing log) does not report it again.
void LastingFault::failed(const std::string &text)
{
    if (m_active)
        return;
    m_active = true;
    if (m_report)
        m_report(text);
}

void LastingFault::succeeded(const std::string &text)
{
    if (!m_active)
        return;
    m_active = false;
    if (m_report)
        m_report(text);
}

} // namespace server
