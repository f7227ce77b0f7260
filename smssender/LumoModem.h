// The modem through libLumoSms's C interface.
#pragma once

#include "smssender/Modem.h"

namespace smssender {

/// The library keeps one modem per process, so at most one LumoModem may exist at a time.
class LumoModem : public Modem
{
public:
    LumoModem(int port, int baud, std::string serviceCentre);
    ~LumoModem() override;
    LumoModem(const LumoModem &) = delete;
    LumoModem &operator=(const LumoModem &) = delete;

    bool open() override;
    QueueResult send(int messageId, const std::string &number, const std::string &text, std::string *why) override;
    std::optional<SendAnswer> waitAnswer(std::chrono::milliseconds wait) override;
    std::optional<ReceivedSms> receive() override;
    void close() override;

private:
    int m_port;
    int m_baud;
    std::string m_serviceCentre;
    bool m_open = false;
};

} // namespace smssender
