// The counters of the status bar: the tasks by status since the service started.
#include "server/engine/ServerEngine.h"

#include "server/data/TDM.h"

#include "common/DateTime.h"

#include <array>

namespace server {

std::string ServerEngine::nowText() const
{
    return common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now());
}

void ServerEngine::NoticeStatusTimerTimer()
{
    static const struct
    {
        const char *condition;
        int panel;
    } counters[] = {
        {"Status=:P1", 6},
        {"Status=8 and FactNotice>=:P1", 10},
        {"Status=1 AND FactNotice>=:P1", 8},
        {"Status=2 AND FactNotice>=:P1", 2},
        {"Status=3 AND FactNotice>=:P1", 4},
        {"Status=4 AND FactNotice>=:P1", 12},
        {"Status=5 AND FactNotice>=:P1", 14},
    };
    // The numbers of rows the conditions match: from the per-status counts where the database keeps
    // them, else counted in AdNotice (COUNT(*) equals COUNT(id) for the key and reads no column).
    const QString count = m_dm.hasStatusCounts()
                              ? QStringLiteral("SELECT COALESCE(SUM(n),0) FROM AdNoticeCounts WHERE ")
                              : QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ");
    // During an outage the counters would count tasks whose results wait; they show what they had.
    if (!m_outage.retry())
        return;
    std::array<std::string, std::size(counters)> counts;
    try {
        for (std::size_t i = 0; i < std::size(counters); ++i) {
            const QVariant p1 = i == 0 ? QVariant(0) : QVariant(QString::fromStdString(m_settings.ServiceStartTime));
            m_dm.open(m_dm.QueTimerQuery, count + QLatin1String(counters[i].condition), {{"P1", p1}});
            QSqlQuery &rows = m_dm.QueTimerQuery.rows();
            counts[i] = rows.next() ? std::to_string(rows.value(0).toLongLong()) : "0";
            rows.finish(); // an open read would hold the database's read lock until the next pass
        }
    } catch (const DatabaseError &) {
        return;
    }
    for (std::size_t i = 0; i < std::size(counters); ++i)
        m_display.setStatusPanel(counters[i].panel, counts[i]);
}

} // namespace server
