// The results of calls written to their tasks: each attempt and outcome, the talk times, the client
// type an agent entered, and the SMS queued for the sender. A database error is dropped where the
// statement runs: the call goes on and the row keeps its values.
#pragma once

#include "server/data/NoticeStatus.h"
#include "server/data/TDM.h"
#include "server/engine/ChannelRecord.h"
#include "server/engine/Clock.h"
#include "server/settings/Settings.h"

#include <string>
#include <string_view>

namespace server {

class ResultWriter
{
public:
    ResultWriter(TDM &dm, const Clock &clock, const Settings &settings) : m_dm(dm), m_clock(clock), m_settings(settings)
    {
    }

    /// One result of an attempt on trunk c for the task of its record: Notifying (the dial), Notified,
    /// Failed (with its cause), ToAgent, AgentAnswered or Playing.
    void WriteNoticeResult(int c, const ChannelRecord &ch, NoticeStatus status, std::string_view cause = {});
    /// The talk times of the call of that record.
    void WriteTalkTimes(const ChannelRecord &ch);
    /// The client type an agent entered on a station, for the task taskId.
    void WriteClientType(const ChannelRecord &station, const std::string &taskId);
    /// Queues an SMS for the sender outside the server.
    void QueueSms(const std::string &phone, const std::string &content, const std::string &operatorId);
    /// When a task may be called again: now plus Interval minutes, "yyyy-mm-dd hh:mm:ss".
    std::string NextNoticeTime() const;

private:
    TDM &m_dm;
    const Clock &m_clock;
    const Settings &m_settings;
};

} // namespace server
