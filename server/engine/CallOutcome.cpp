// The outcome of a finished call: its status and cause by how the call went.
#include "server/engine/ServerEngine.h"

namespace server {

void ServerEngine::WriteCallOutcome(int c)
{
    const ChannelRecord &ch = channel(c);
    // One SMS per call: an answered call that went on to an agent gets two result writes, but the
    // person is told once.
    bool smsQueued = false;
    const auto queueSms = [&] {
        if (m_settings.SendSMSFlag > 0 && !smsQueued)
            m_results.QueueSms(ch.Phone, m_settings.SMSContent, "corvida");
        smsQueued = true;
    };
    switch (ch.Progress) {
    case CallProgress::Seized:
        if (ch.BusySeen == 1)
            m_results.WriteNoticeResult(c, ch, NoticeStatus::Failed, "对方占线");
        else
            // No answer within the call-out time, or the line dropped or the far end rejected the
            // call before any answer: a failed attempt, retried like one. Writing nothing would
            // leave the task in status 1, never dialled again until the next start-up.
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
