// The task queries of the dispatcher.
#include "server/engine/TaskQueries.h"

#include "common/DateTime.h"
#include "common/Text.h"

#include <QSqlRecord>

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

} // namespace

QString TaskQueries::nowText() const
{
    return QString::fromStdString(common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now()));
}

bool TaskQueries::fetchTask(const QString &sql, std::initializer_list<SqlParam> params, FetchedTask &task)
{
    task = {};
    try {
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
        }
        rows.finish();
        return true;
    } catch (const DatabaseError &) {
        return false;
    }
}

bool TaskQueries::FetchNewTask(FetchedTask &task)
{
    return fetchTask(QStringLiteral("SELECT TOP 1 ID,Telphone,UserID,Name,Birthday,HomeAddr,CompanyName,CompanyAddr,"
                                    "CompanyTel,CompanyTitle FROM AdNotice \nWHERE Status=0 ORDER BY RandomValue"),
                     {}, task);
}

bool TaskQueries::FetchRetryTask(FetchedTask &task)
{
    return fetchTask(QStringLiteral("SELECT TOP 1 ID,Telphone,Name,UserID,Birthday,HomeAddr,CompanyName,CompanyAddr,"
                                    "CompanyTel,CompanyTitle FROM AdNotice \nWHERE (Status=3 AND NoticeTimes<=:P1 AND "
                                    "NextNotice<=:P2) ORDER BY NoticeTimes"),
                     {{"P1", static_cast<int>(m_settings.ReSendTimes)}, {"P2", nowText()}}, task);
}

bool TaskQueries::FetchRepeatTask(FetchedTask &task)
{
    return fetchTask(QStringLiteral("SELECT TOP 1 ID,Telphone,Name,UserID,Birthday FROM AdNotice \nWHERE (Status=2 AND "
                                    "SuccTimes<=:P1 AND NextNotice<=:P2) ORDER BY SuccTimes"),
                     {{"P1", static_cast<int>(m_settings.RetSucc)}, {"P2", nowText()}}, task);
}

} // namespace server
