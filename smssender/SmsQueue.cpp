// Selection of due rows of SmsSendTask and the bookkeeping in SmsSendState and SmsReceived.
#include "smssender/SmsQueue.h"

#include <QDateTime>
#include <QSqlQuery>

namespace smssender {

namespace {

// State of a row in SmsSendState.
enum State
{
    Waiting = 0,  // waits for its next try
    InFlight = 1, // handed to the modem, its answer not yet recorded
    Done = 2,     // sent as often as it needs
    GivenUp = 3,  // its tries are used up, or it cannot be sent as it stands
};

// How often the look for due rows starts from the first row instead of the floor.
constexpr int kLooksPerFullScan = 64;

QString qs(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

std::string wallClockText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toStdString();
}

SmsQueue::SmsQueue(server::TDM &dm, int attempts, NowText now) : m_dm(dm), m_attempts(attempts), m_now(std::move(now))
{
}

int SmsQueue::recoverInFlight()
{
    const int rows = static_cast<int>(m_dm.countRows(m_statements->select,
                                                     QStringLiteral("SELECT TaskID FROM SmsSendState WHERE State=:P1"),
                                                     {{"P1", int(InFlight)}}));
    if (rows > 0)
        m_dm.execute(m_statements->update,
                     QStringLiteral("UPDATE SmsSendState SET Failures=Failures+1,State=0,Answer=:P1 WHERE State=1"),
                     {{"P1", QStringLiteral("interrupted before the modem's answer was recorded")}});
    return rows;
}

void SmsQueue::raiseFloor()
{
    // A row that another connection inserted but had not committed at the last look may have a key
    // below the floor: now and then the look starts from the first row again, so that it is late,
    // never lost.
    if (++m_looks % kLooksPerFullScan == 0)
        m_floor = 0;
    m_dm.open(m_statements->firstOpen,
              QStringLiteral("SELECT TOP 1 t.id FROM SmsSendTask t LEFT JOIN SmsSendState s ON s.TaskID=t.id "
                             "WHERE t.id>:P1 AND (s.TaskID IS NULL OR s.State<2) ORDER BY t.id"),
              {{"P1", m_floor}});
    QSqlQuery &first = m_statements->firstOpen.rows();
    const QVariant open = first.next() ? first.value(0) : QVariant();
    first.finish();
    if (!open.isNull()) {
        m_floor = open.toLongLong() - 1;
        return;
    }
    m_dm.open(m_statements->lastKey, QStringLiteral("SELECT MAX(id) FROM SmsSendTask"));
    QSqlQuery &last = m_statements->lastKey.rows();
    if (last.next() && !last.value(0).isNull())
        m_floor = last.value(0).toLongLong();
    last.finish();
}

std::vector<QueuedSms> SmsQueue::due(int limit)
{
    raiseFloor();
    m_dm.open(m_statements->select,
              QStringLiteral("SELECT TOP %1 t.id,t.Mobile,t.Content,t.NeedTimes,s.TaskID FROM SmsSendTask t "
                             "LEFT JOIN SmsSendState s ON s.TaskID=t.id "
                             "WHERE t.id>:P2 AND (t.PlanNotice<=:P1 OR t.PlanNotice IS NULL OR t.PlanNotice='') "
                             "AND (s.TaskID IS NULL OR s.State=0) ORDER BY t.Priority,t.InsertDate,t.id")
                  .arg(limit),
              {{"P1", qs(m_dueBy.empty() ? m_now() : m_dueBy)}, {"P2", m_floor}});
    std::vector<QueuedSms> rows;
    QSqlQuery &q = m_statements->select.rows();
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toString().toStdString(), q.value(2).toString().toStdString(),
                        std::max(1, q.value(3).toInt()), !q.value(4).isNull()});
    q.finish();
    return rows;
}

void SmsQueue::markInFlight(const QueuedSms &row)
{
    if (row.known)
        m_dm.execute(m_statements->update,
                     QStringLiteral("UPDATE SmsSendState SET State=1,Attempts=Attempts+1,LastTry=:P2 WHERE TaskID=:P1"),
                     {{"P1", row.id}, {"P2", qs(m_now())}});
    else
        m_dm.execute(m_statements->insert,
                     QStringLiteral("INSERT INTO SmsSendState (TaskID,State,Attempts,Sent,Failures,LastTry,Answer) "
                                    "VALUES (:P1,1,1,0,0,:P2,'')"),
                     {{"P1", row.id}, {"P2", qs(m_now())}});
}

void SmsQueue::markSent(const QueuedSms &row)
{
    m_dm.execute(m_statements->update,
                 QStringLiteral("UPDATE SmsSendState SET Sent=Sent+1,State=CASE WHEN Sent+1>=:P2 THEN 2 ELSE 0 END,"
                                "SentAt=:P3,Answer='OK' WHERE TaskID=:P1"),
                 {{"P1", row.id}, {"P2", row.needTimes}, {"P3", qs(m_now())}});
}

void SmsQueue::markFailed(const QueuedSms &row, const std::string &reason, bool final)
{
    m_dm.execute(m_statements->update,
                 QStringLiteral("UPDATE SmsSendState SET Failures=Failures+1,"
                                "State=CASE WHEN Failures+1>=:P2 THEN 3 ELSE 0 END,Answer=:P3 WHERE TaskID=:P1"),
                 {{"P1", row.id}, {"P2", final ? 0 : m_attempts}, {"P3", qs(reason).left(200)}});
}

void SmsQueue::storeReceived(const ReceivedSms &message)
{
    m_dm.execute(
        m_statements->received,
        QStringLiteral("INSERT INTO SmsReceived (Mobile,ReceivedAt,Content,InsertDate) VALUES (:P1,:P2,:P3,:P4)"),
        {{"P1", qs(message.number)}, {"P2", qs(message.time)}, {"P3", qs(message.text)}, {"P4", qs(m_now())}});
}

} // namespace smssender
