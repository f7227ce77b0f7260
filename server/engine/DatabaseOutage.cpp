// Keeping the results of calls while the database is busy or gone, and writing them when it is back.
#include "server/engine/DatabaseOutage.h"

#include "common/TickCount.h"

namespace server {

DatabaseOutage::DatabaseOutage(TDM &dm, const Settings &settings, const Clock &clock, Report report)
    : m_dm(dm), m_settings(settings), m_clock(clock), m_report(std::move(report))
{
    m_dm.setUnreachableHandler([this](const DatabaseError &error) { begin(error); });
}

DatabaseOutage::~DatabaseOutage()
{
    m_dm.setUnreachableHandler(nullptr);
}

void DatabaseOutage::begin(const DatabaseError &error)
{
    if (m_active)
        return;
    m_active = true;
    m_written = 0;
    // Each statement would wait for the lock in vain and stall the polling of every channel.
    m_dm.waitForLocks(false);
    if (m_endUnconfirmed) { // the same outage goes on: its end was never reported
        m_endUnconfirmed = false;
        return;
    }
    m_report(std::string("数据库无法访问，暂停取新任务，通知结果暂存待写：") + error.what());
}

void DatabaseOutage::write(const Write &statement)
{
    if (m_active) {
        m_kept.push_back(statement);
        return;
    }
    try {
        statement();
    } catch (const DatabaseError &error) {
        // A result not written now would leave its task in status 1 or 8 until the next start-up,
        // and a notice heard would be given again.
        if (error.unreachable())
            m_kept.push_back(statement);
    }
}

bool DatabaseOutage::retry()
{
    if (!m_active) {
        if (m_endUnconfirmed && common::ticksBetween(m_endedAt, m_clock.tick()) >= kQuietMs) {
            m_endUnconfirmed = false;
            m_report("数据库已恢复，暂存的0条通知结果已写入");
        }
        return true;
    }
    // A server database that went away and came back needs a new connection; the old one stays broken.
    if (m_dm.engine() != SqlEngine::SQLite && !m_dm.reachable() && !m_dm.ConnectDatabase(m_settings))
        return false;
    while (!m_kept.empty()) {
        try {
            m_kept.front()();
            ++m_written;
        } catch (const DatabaseError &error) {
            if (error.unreachable())
                return false;
        }
        m_kept.pop_front();
    }
    // Nothing kept: the outage began with a read or a claim, so ask the database itself.
    if (m_written == 0 && !m_dm.reachable())
        return false;
    m_active = false;
    m_dm.waitForLocks(true);
    if (m_written == 0) {
        m_endUnconfirmed = true;
        m_endedAt = m_clock.tick();
        return true;
    }
    m_report("数据库已恢复，暂存的" + std::to_string(m_written) + "条通知结果已写入");
    return true;
}

} // namespace server
