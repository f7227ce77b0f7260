// The service's timers on the Qt event loop.
#include "server/engine/ServiceTimers.h"

#include "server/engine/Service.h"

#include <QTimer>

namespace server {

namespace {

QTimer *makeTimer(const char *name, int period, QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(period);
    return timer;
}

} // namespace

ServiceTimers::ServiceTimers(Service &service, QObject *parent)
    : QObject(parent), m_service(service),
      // Made stopped, each with its period: the dispatcher may be started before any board start,
      // and it must never spin.
      m_statusTimer(makeTimer("StatusTimer", service.statusTimerPeriod(), this)),
      m_systemTimer(makeTimer("SystemTimer", service.systemTimerPeriod(), this)),
      m_noticeStatusTimer(makeTimer("NoticeStatusTimer", service.noticeStatusTimerPeriod(), this))
{
    connect(m_statusTimer, &QTimer::timeout, this, [this] { m_service.StatusTimerTimer(); });
    connect(m_systemTimer, &QTimer::timeout, this, &ServiceTimers::systemTimerTimer);
    connect(m_noticeStatusTimer, &QTimer::timeout, this, [this] { m_service.NoticeStatusTimerTimer(); });
}

void ServiceTimers::sync()
{
    m_systemTimer->setInterval(m_service.systemTimerPeriod());
    const auto run = [](QTimer *timer, bool active) {
        if (active && !timer->isActive())
            timer->start();
        else if (!active)
            timer->stop();
    };
    run(m_statusTimer, m_service.running());
    run(m_systemTimer, m_service.dispatching());
    run(m_noticeStatusTimer, m_service.running());
}

void ServiceTimers::systemTimerTimer()
{
    // Stopped for the tick, so that a slow query cannot stack ticks behind it.
    m_systemTimer->stop();
    m_service.SystemTimerTimer();
    if (m_service.dispatching())
        m_systemTimer->start();
}

} // namespace server
