// The three timers of a service on the Qt event loop: each runs while the service says it should, at
// the period the service gives.
#pragma once

#include <QObject>

class QTimer;

namespace server {

class Service;

class ServiceTimers : public QObject
{
    Q_OBJECT

public:
    explicit ServiceTimers(Service &service, QObject *parent = nullptr);

    /// Starts and stops each timer as the service's state asks, at its current period. Call it after
    /// every start, pause, resume and shutdown of the service.
    void sync();

    QTimer *statusTimer() const { return m_statusTimer; }
    QTimer *systemTimer() const { return m_systemTimer; }
    QTimer *noticeStatusTimer() const { return m_noticeStatusTimer; }

private:
    void systemTimerTimer();

    Service &m_service;
    QTimer *m_statusTimer;
    QTimer *m_systemTimer;
    QTimer *m_noticeStatusTimer;
};

} // namespace server
