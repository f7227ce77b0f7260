// The modem through libLumoSms: the library's send-result callback feeds a mailbox the loop waits on.
#include "smssender/LumoModem.h"

#include "smssender/AnswerMailbox.h"

#include "common/Gbk.h"
#include "lumosms/LumoSms.h"

namespace smssender {

namespace {

// The callback carries no context of its own; the library drives one modem per process.
AnswerMailbox answers;

void onSent(int result, int messageId)
{
    answers.put({messageId, result == 1});
}

} // namespace

LumoModem::LumoModem(int port, int baud, std::string serviceCentre)
    : m_port(port), m_baud(baud), m_serviceCentre(std::move(serviceCentre))
{
}

LumoModem::~LumoModem()
{
    close();
}

bool LumoModem::open()
{
    close();
    answers.clear();
    const std::string sca = common::utf8ToGbk(m_serviceCentre);
    m_open = Lumo_gsmInit(sca.empty() ? nullptr : sca.c_str(), m_port, m_baud, onSent) == 1;
    return m_open;
}

QueueResult LumoModem::send(int messageId, const std::string &number, const std::string &text, std::string *why)
{
    const int result = Lumo_gsmSendMessage(messageId, number.c_str(), common::utf8ToGbk(text).c_str());
    if (result == 0)
        return QueueResult::Queued;
    *why = Lumo_gsmSendResultText(result);
    return result <= 3 ? QueueResult::Refused : QueueResult::NotReady;
}

std::optional<SendAnswer> LumoModem::waitAnswer(std::chrono::milliseconds wait)
{
    return answers.take(wait);
}

std::optional<ReceivedSms> LumoModem::receive()
{
    if (!m_open)
        return std::nullopt;
    char time[32];
    char number[32];
    char text[256];
    if (Lumo_gsmRecvMessage(time, sizeof time, number, sizeof number, text, sizeof text) != 1)
        return std::nullopt;
    return ReceivedSms{number, time, common::gbkToUtf8(text)};
}

void LumoModem::close()
{
    if (m_open)
        Lumo_gsmClose();
    m_open = false;
}

} // namespace smssender
