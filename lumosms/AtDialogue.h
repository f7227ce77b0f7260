// The AT command dialogue with the modem: initialisation, command exchange, response poll, submit, list, delete.
#pragma once

#include "lumosms/ResponseBuffer.h"
#include "lumosms/SerialPort.h"
#include "lumosms/Timing.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace lumosms {

class AtDialogue
{
public:
    /// Opens the port and runs the dialogue: ATE0, AT, AT+CIMI, AT+CNMI=2,1 (each must answer OK), the
    /// service-centre query AT+CSCA?, AT+CMGF=0 (PDU mode, must answer OK). Any failure closes the port.
    bool initialise(int port, int baud, std::string_view defaultServiceCentre, const Timing &timing);

    /// The service-centre number chosen during initialisation (see chooseServiceCentre).
    const std::string &serviceCentre() const { return m_serviceCentre; }

    /// Closes the port; true when it was open and closed.
    bool close() { return m_port.close(); }

    /// Writes the command and makes one read of up to 128 bytes; true when the reply holds "OK".
    bool exchange(std::string_view command);

    /// Reads up to 128 more bytes into the response and judges it.
    ResponseState poll(ResponseBuffer &response);

    /// Announces the PDU with AT+CMGS=<TPDU octets>, and only when the modem's one reply read is exactly
    /// "\r\n> " writes the PDU text and Ctrl-Z. The number of bytes written then, else 0.
    std::size_t submit(std::string_view pduHex);

    /// Asks for the received messages ("AT+CMGL\r").
    void list();

    /// Deletes the message at the storage index ("AT+CMGD=<index>\r").
    void remove(int storageIndex);

private:
    std::size_t readReply(char (&reply)[128]);

    SerialPort m_port;
    std::string m_serviceCentre;
};

} // namespace lumosms
