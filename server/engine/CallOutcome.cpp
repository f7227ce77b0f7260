// The outcome of a finished call: its status and cause by how the call went.
#include "server/engine/ServerEngine.h"

namespace server {

void ServerEngine::WriteCallOutcome(int c)
{
    const ChannelRecord &ch = channel(c);
    const auto queueSms = [&] {
        if (m_settings.SendSMSFlag > 0)
            m_results.QueueSms(ch.Phone, m_settings.SMSContent, "corvida");
    };
    switch (ch.Progress) {
    case CallProgress::Seized:
        if (ch.BusySeen == 1)
            m_results.WriteNoticeResult(c, ch, NoticeStatus::Failed, "对方占线");
        else if (ch.NoAnswer == 1)
            m_results.WriteNoticeResult(c, ch, NoticeStatus::Failed, "线路没接好或对方无人应答");
        break;
    case CallProgress::Answered:
        if (ch.NameUnwritten == 1) { // hung up without the notice: a failure, so that it is dialled again
            m_results.WriteNoticeResult(c, ch, NoticeStatus::Failed, kNameUnwrittenCause);
            break;
        }
        m_results.WriteNoticeResult(c, ch, NoticeStatus::Notified);
        queueSms();
        break;
    case CallProgress::Cancelled:
        m_results.WriteNoticeResult(c, ch, NoticeStatus::Failed, "用户取消通知");
        break;
    default:
        break;
    }
    if (ch.TransferStarted == 1) {
        m_results.WriteNoticeResult(c, ch,
                                    ch.AgentAnswerMark != 0 ? NoticeStatus::AgentAnswered : NoticeStatus::ToAgent);
        queueSms();
    }
}

} // namespace server
