// The dispatcher: the calling calendar and window, the choice of trunk, the next due task and the dial.
#include "server/engine/ServerEngine.h"

#include "common/DateTime.h"

namespace server {

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
    // Results that wait for the database go before any new task: no call is made that could not be
    // recorded, and a task whose result waits is not taken again.
    if (!m_outage.retry())
        return;
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
        if (m_tables.Kind[i] == 1 && m_tables.InService[i] == 1 && m_channels[i].Progress == CallProgress::Free &&
            m_tables.Function[i] == 2 && m_lastSeen.LineConnected[i] == 1)
            return c;
    }
    return -1;
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

bool ServerEngine::fetchNextTask(int c, ChannelRecord &ch, FetchedTask &claimed)
{
    const std::string &prefix = m_tables.DialPrefix[static_cast<std::size_t>(c)];
    const auto dialString = [&] { return prefix + ch.Phone + m_settings.TeleAddSpecChar; };

    FetchedTask task;
    if (!m_tasks.FetchNewTask(task)) {
        m_files.WriteLog(" 找到空闲通道：" + std::to_string(c) + " 无记录可取！");
        return false;
    }
    ch.TaskTable = "AdNotice";
    storeTask(ch, task, true);
    ch.DialString = dialString();
    claimed = task;
    bool ran = true;
    if (ch.TaskId.empty()) {
        ran = m_tasks.FetchRetryTask(task);
        if (ran) {
            storeTask(ch, task, true);
            ch.DialString = dialString();
            claimed = task;
        }
    }
    if (ch.TaskId.empty() && ran && m_tasks.FetchRepeatTask(task)) {
        storeTask(ch, task, false);
        ch.DialString = dialString();
        claimed = task;
    }
    return !ch.TaskId.empty();
}

void ServerEngine::dispatchOneCall()
{
    const int c = PickTrunk();
    if (c < 0)
        return;
    ChannelRecord &ch = channel(c);
    ch.Progress = CallProgress::Seized; // taken: nothing else may start a call on it
    // Servers that share a database may read the same task; the one whose claim fails takes the next.
    constexpr int kClaims = 8;
    for (int attempt = 0; attempt < kClaims; ++attempt) {
        FetchedTask task;
        if (!fetchNextTask(c, ch, task))
            break;
        if (ch.Phone.empty()) {
            m_results.WriteNoticeResult(c, ch, NoticeStatus::Failed, "电话号码为空");
            break;
        }
        const ResultWriter::Claim claim = m_results.ClaimTask(c, ch, task.Status, task.NoticeTimes);
        if (claim == ResultWriter::Claim::Won) {
            startCall(c, ch);
            return;
        }
        // A claim the database refused leaves the task as it was, to be dialled at a later tick; a
        // dial without it could reach someone another server dials too.
        if (claim == ResultWriter::Claim::Failed)
            break;
    }
    ch.Progress = CallProgress::Free;
}

void ServerEngine::startCall(int c, ChannelRecord &ch)
{
    m_rows.ShowTrunkStatus(c, "正在呼叫");
    ch.State = CallState::DoCalling;
    ch.TimerOn = 1;
    ch.TimerRun = 1;
    ch.StateTick = m_clock.tick();
    ch.StartBill = nowText();
    m_board.Pickup(c);
    m_files.WriteLog(" 通道：" + std::to_string(c) + " 摘机呼叫: " + ch.Phone);
    if (m_settings.CallMode == 1) {
        m_board.AutoDial(c, ch.DialString);
        ch.DialMethod = 1;
    } else {
        ch.DialMethod = 2;
        ch.DigitsSent = 0;
    }
}

} // namespace server
