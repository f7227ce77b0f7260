// The results of calls written to their tasks: each attempt and outcome, the talk times, the client
// type an agent entered, and the SMS queued for the sender. The call goes on whatever the database
// answers: a statement it refuses is dropped and the row keeps its values; a write that cannot reach
// it is kept and written when it is back.
#pragma once

#include "server/data/NoticeStatus.h"
#include "server/data/TDM.h"
#include "server/engine/ChannelRecord.h"
#include "server/engine/Clock.h"
#include "server/engine/DatabaseOutage.h"
#include "server/settings/Settings.h"

#include <string>
#include <string_view>

namespace server {

class ResultWriter
{
public:
    ResultWriter(TDM &dm, DatabaseOutage &outage, const Clock &clock, const Settings &settings)
        : m_dm(dm), m_outage(outage), m_clock(clock), m_settings(settings)
    {
    }

    /// How a claim of a task for a dial ended.
    enum class Claim
    {
        Won,    ///< the task is this server's to dial: status 1, one more attempt, the time and the trunk
        Lost,   ///< another server claimed it first (or it changed since it was read): not to be dialled
        Failed, ///< the database refused the statement: the row is as it was
    };
    /// The write of the dial on trunk c, as one statement that succeeds only while the task still has
    /// the status and attempt count it was read with, so that of several servers on one database
    /// exactly one dials it. It names this server in the task.
    Claim ClaimTask(int c, const ChannelRecord &ch, int readStatus, int readNoticeTimes);
    /// One result of an attempt on trunk c for the task of its record: Notified, Failed (with its
    /// cause), ToAgent, AgentAnswered or Playing.
    void WriteNoticeResult(int c, const ChannelRecord &ch, NoticeStatus status, std::string_view cause = {});
    /// The talk times of the call of that record.
    void WriteTalkTimes(const ChannelRecord &ch);
    /// The client type an agent entered on a station, for the task taskId.
    void WriteClientType(const ChannelRecord &station, const std::string &taskId);
    /// Queues an SMS for the sender outside the server.
    void QueueSms(const std::string &phone, const std::string &content, const std::string &operatorId);
    /// The transfer mark of the task taskId: an agent took the call.
    void WriteTransferMark(const std::string &taskId);
    /// When a task may be called again: now plus Interval minutes, "yyyy-mm-dd hh:mm:ss".
    std::string NextNoticeTime() const;

private:
    TDM &m_dm;
    DatabaseOutage &m_outage;
    const Clock &m_clock;
    const Settings &m_settings;
};

} // namespace server
