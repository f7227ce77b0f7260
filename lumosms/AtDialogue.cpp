// The AT command dialogue with the modem.
#include "lumosms/AtDialogue.h"

#include "lumosms/PduEncoder.h"
#include "lumosms/ServiceCentre.h"

#include <cstring>

namespace lumosms {

namespace {
constexpr std::string_view kPrompt = "\r\n> ";
constexpr char kCtrlZ = '\x1A';
} // namespace

bool AtDialogue::initialise(int port, int baud, std::string_view defaultServiceCentre, const Timing &timing)
{
    m_serviceCentre.clear();
    if (!m_port.open(port, baud, timing))
        return false;
    for (const char *command : {"ATE0\r", "AT\r", "AT+CIMI\r", "AT+CNMI=2,1\r"}) {
        if (!exchange(command)) {
            m_port.close();
            return false;
        }
    }
    m_port.write("AT+CSCA?\r");
    char reply[128];
    const std::size_t count = readReply(reply);
    m_serviceCentre = chooseServiceCentre(std::string_view(reply, count), defaultServiceCentre);
    if (!exchange("AT+CMGF=0\r")) {
        m_port.close();
        m_serviceCentre.clear();
        return false;
    }
    return true;
}

std::size_t AtDialogue::readReply(char (&reply)[128])
{
    std::memset(reply, 0, sizeof reply);
    return m_port.read(reply, sizeof reply);
}

bool AtDialogue::exchange(std::string_view command)
{
    m_port.write(command);
    char reply[128];
    const std::size_t count = readReply(reply);
    return std::string_view(reply, count).find("OK") != std::string_view::npos;
}

ResponseState AtDialogue::poll(ResponseBuffer &response)
{
    char chunk[128];
    const std::size_t count = m_port.read(chunk, sizeof chunk);
    response.append(std::string_view(chunk, count));
    return response.judge(count);
}

std::size_t AtDialogue::submit(std::string_view pduHex)
{
    const auto length = announcedLength(pduHex);
    if (!length)
        return 0;
    m_port.write("AT+CMGS=" + std::to_string(*length) + "\r");
    char reply[128];
    const std::size_t count = readReply(reply);
    if (std::string_view(reply, count) != kPrompt)
        return 0;
    std::string text(pduHex);
    text += kCtrlZ;
    return m_port.write(text);
}

void AtDialogue::list()
{
    m_port.write("AT+CMGL\r");
}

void AtDialogue::remove(int storageIndex)
{
    m_port.write("AT+CMGD=" + std::to_string(storageIndex) + "\r");
}

} // namespace lumosms
