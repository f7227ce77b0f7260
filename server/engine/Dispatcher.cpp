// The dispatcher: the calling calendar and window, the choice of trunk, the next due task and the dial.
#include "server/engine/ServerEngine.h"

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

bool ServerEngine::InCallingWindow(const std::string &now) const
{
    // The bounds are "hh:mm" texts compared as texts; all four are inclusive.
    const Settings &s = m_settings;
    const bool inWindow = s.BeginTime <= now && now <= s.EndTime;
    const bool inPause = s.NotNoticeTime1 <= now && now <= s.NotNoticeTime2;
    return inWindow && !inPause;
}

void ServerEngine::SystemTimerTimer()
{
    const common::DateTime now = m_clock.now();
    const int day = now.dayOfWeek();
    if ((m_settings.Saturday == 0 && day == 6) || (m_settings.Sunday == 0 && day == 0))
        return;
    if (InCallingWindow(common::formatDateTime("hh:nn", now)))
        dispatchOneCall();
}

int ServerEngine::PickTrunk() const
{
    for (int c = 0; c < m_settings.ChannelCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (m_tables.Kind[i] == 1 && m_tables.InService[i] == 1 && m_channels[i].Progress == 0 &&
            m_tables.Function[i] == 2 && m_lastSeen.LineConnected[i] == 1)
            return c;
    }
    return -1;
}

bool ServerEngine::fetchTask(const QString &sql, std::initializer_list<SqlParam> params, FetchedTask &task)
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

bool ServerEngine::FetchNewTask(FetchedTask &task)
{
    return fetchTask(QStringLiteral("SELECT TOP 1 ID,Telphone,UserID,Name,Birthday,HomeAddr,CompanyName,CompanyAddr,"
                                    "CompanyTel,CompanyTitle FROM AdNotice \nWHERE Status=0 ORDER BY RandomValue"),
                     {}, task);
}

bool ServerEngine::FetchRetryTask(FetchedTask &task)
{
    return fetchTask(QStringLiteral("SELECT TOP 1 ID,Telphone,Name,UserID,Birthday,HomeAddr,CompanyName,CompanyAddr,"
                                    "CompanyTel,CompanyTitle FROM AdNotice \nWHERE (Status=3 AND NoticeTimes<=:P1 AND "
                                    "NextNotice<=:P2) ORDER BY NoticeTimes"),
                     {{"P1", static_cast<int>(m_settings.ReSendTimes)}, {"P2", QString::fromStdString(nowText())}},
                     task);
}

bool ServerEngine::FetchRepeatTask(FetchedTask &task)
{
    return fetchTask(QStringLiteral("SELECT TOP 1 ID,Telphone,Name,UserID,Birthday FROM AdNotice \nWHERE (Status=2 AND "
                                    "SuccTimes<=:P1 AND NextNotice<=:P2) ORDER BY SuccTimes"),
                     {{"P1", static_cast<int>(m_settings.RetSucc)}, {"P2", QString::fromStdString(nowText())}}, task);
}

void ServerEngine::storeTask(ChannelRecord &ch, const FetchedTask &task, bool allFields)
{
    ch.TaskId = task.ID;
    ch.Phone = task.Telphone;
    ch.Name = task.Name;
    ch.UserID = task.UserID;
    ch.Birthday = task.Birthday;
    if (allFields) {
        ch.HomeAddr = task.HomeAddr;
        ch.CompanyName = task.CompanyName;
        ch.CompanyAddr = task.CompanyAddr;
        ch.CompanyTel = task.CompanyTel;
        ch.CompanyTitle = task.CompanyTitle;
    }
}

void ServerEngine::dispatchOneCall()
{
    const int c = PickTrunk();
    if (c < 0)
        return;
    ChannelRecord &ch = channel(c);
    ch.Progress = 5; // taken: nothing else may start a call on it
    const std::string &prefix = m_tables.DialPrefix[static_cast<std::size_t>(c)];
    const auto dialString = [&] { return prefix + ch.Phone + m_settings.TeleAddSpecChar; };

    FetchedTask task;
    if (!FetchNewTask(task)) {
        ch.Progress = 0;
        WriteLog(" 找到空闲通道：" + std::to_string(c) + " 无记录可取！");
        return;
    }
    ch.TaskTable = "AdNotice";
    storeTask(ch, task, true);
    ch.DialString = dialString();
    bool ran = true;
    if (ch.TaskId.empty()) {
        ran = FetchRetryTask(task);
        if (ran) {
            storeTask(ch, task, true);
            ch.DialString = dialString();
        }
    }
    if (ch.TaskId.empty() && ran && FetchRepeatTask(task)) {
        storeTask(ch, task, false);
        ch.DialString = dialString();
    }
    if (ch.TaskId.empty()) {
        ch.Progress = 0;
        return;
    }
    if (ch.Phone.empty()) {
        WriteNoticeResult(c, ch.TaskId, 3, "电话号码为空");
        ch.Progress = 0;
        return;
    }
    WriteNoticeResult(c, ch.TaskId, 1);
    ShowTrunkStatus(c, "正在呼叫");
    ch.State = "DoCalling";
    ch.TimerOn = 1;
    ch.TimerRun = 1;
    ch.StateTick = m_clock.tick();
    ch.StartBill = nowText();
    m_board.Pickup(c);
    WriteLog(" 通道：" + std::to_string(c) + " 摘机呼叫: " + ch.Phone);
    if (m_settings.CallMode == 1) {
        m_board.AutoDial(c, ch.DialString);
        ch.DialMethod = 1;
    } else {
        ch.DialMethod = 2;
        ch.DigitsSent = 0;
    }
}

} // namespace server
