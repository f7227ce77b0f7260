// The task queries of the dispatcher: one index seek per query, whatever the number of tasks waiting.
#include "server/engine/TaskQueries.h"

#include "common/DateTime.h"
#include "common/Text.h"

#include <QSqlRecord>

#include <limits>

namespace server {

namespace {

std::string trimmedText(const QSqlQuery &rows, const char *column)
{
    // Columns by name: the three queries select different sets, in different orders.
    const int index = rows.record().indexOf(QLatin1String(column));
    if (index < 0)
        return {};
    return std::string(common::trimControls(rows.value(index).toString().toStdString()));
}

// The counts of attempts and successes are small integers.
constexpr int kLowestCount = std::numeric_limits<std::int16_t>::min();

} // namespace

QString TaskQueries::nowText() const
{
    return QString::fromStdString(common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now()));
}

void TaskQueries::fetchTask(const QString &sql, std::initializer_list<SqlParam> params, int status, FetchedTask &task)
{
    task = {};
    m_dm.open(m_dm.QueADNoticeForTimer, sql, params);
    QSqlQuery &rows = m_dm.QueADNoticeForTimer.rows();
    if (rows.next()) {
        task.ID = trimmedText(rows, "ID");
        task.Telphone = trimmedText(rows, "Telphone");
        task.Name = trimmedText(rows, "Name");
        task.UserID = trimmedText(rows, "UserID");
        task.Birthday = trimmedText(rows, "Birthday");
        task.HomeAddr = trimmedText(rows, "HomeAddr");
        task.CompanyName = trimmedText(rows, "CompanyName");
        task.CompanyAddr = trimmedText(rows, "CompanyAddr");
        task.CompanyTel = trimmedText(rows, "CompanyTel");
        task.CompanyTitle = trimmedText(rows, "CompanyTitle");
        task.Status = status;
        task.NoticeTimes = rows.value(rows.record().indexOf(QStringLiteral("NoticeTimes"))).toInt();
    }
    rows.finish();
}

bool TaskQueries::nextCount(const QString &sql, int from, int *count)
{
    m_dm.open(m_dm.QueADNoticeForTimer, sql, {{"P1", from}});
    QSqlQuery &rows = m_dm.QueADNoticeForTimer.rows();
    const bool found = rows.next();
    if (found)
        *count = rows.value(0).toInt();
    rows.finish();
    return found;
}

bool TaskQueries::ran(FetchedTask &task, const std::function<void()> &query)
{
    try {
        query();
        return true;
    } catch (const DatabaseError &) {
        task = {};
        return false;
    }
}

void TaskQueries::fetchDue(const Due &due, int limit, FetchedTask &task)
{
    // A range on the count would make the database walk every task of the status that is not due; a
    // seek per count present, lowest first, reads only what it returns.
    const QString now = nowText();
    task = {};
    for (int from = kLowestCount, count = 0; nextCount(due.countSql, from, &count) && count <= limit;
         from = count + 1) {
        fetchTask(due.taskSql, {{"P1", count}, {"P2", now}}, due.status, task);
        if (!task.ID.empty())
            return;
    }
}

bool TaskQueries::FetchNewTask(FetchedTask &task)
{
    return ran(task, [&] {
        fetchTask(QStringLiteral("SELECT TOP 1 ID,Telphone,UserID,Name,Birthday,HomeAddr,CompanyName,CompanyAddr,"
                                 "CompanyTel,CompanyTitle,NoticeTimes FROM AdNotice \nWHERE Status=0 ORDER BY "
                                 "RandomValue,ID FOR UPDATE SKIP LOCKED"),
                  {}, 0, task);
    });
}

bool TaskQueries::FetchRetryTask(FetchedTask &task)
{
    static const Due retry{
        3,
        QStringLiteral(
            "SELECT TOP 1 NoticeTimes FROM AdNotice WHERE Status=3 AND NoticeTimes>=:P1 ORDER BY NoticeTimes"),
        QStringLiteral(
            "SELECT TOP 1 ID,Telphone,Name,UserID,Birthday,HomeAddr,CompanyName,CompanyAddr,CompanyTel,"
            "CompanyTitle,NoticeTimes FROM AdNotice \nWHERE (Status=3 AND NoticeTimes=:P1 AND NextNotice<=:P2) "
            "ORDER BY NextNotice,ID FOR UPDATE SKIP LOCKED")};
    return ran(task, [&] { fetchDue(retry, m_settings.ReSendTimes, task); });
}

bool TaskQueries::FetchRepeatTask(FetchedTask &task)
{
    static const Due repeat{
        2, QStringLiteral("SELECT TOP 1 SuccTimes FROM AdNotice WHERE Status=2 AND SuccTimes>=:P1 ORDER BY SuccTimes"),
        QStringLiteral("SELECT TOP 1 ID,Telphone,Name,UserID,Birthday,NoticeTimes FROM AdNotice \nWHERE (Status=2 AND "
                       "SuccTimes=:P1 AND NextNotice<=:P2) ORDER BY NextNotice,ID FOR UPDATE SKIP LOCKED")};
    return ran(task, [&] { fetchDue(repeat, m_settings.RetSucc, task); });
}

} // namespace server
