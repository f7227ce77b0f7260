// The serial port of the modem over termios: 8N1 at the caller's rate, raw bytes, reads and writes with time limits.
#pragma once

#include "lumosms/Timing.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace lumosms {

class SerialPort
{
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    /// The device of port n: environment variable LUMOSMS_COM<n> when set, else /dev/ttyS<n-1>; empty for
    /// a port number below 1.
    static std::string devicePath(int port);

    /// Opens an existing device for reading and writing, alone (an exclusive lock, so that a second user
    /// fails), keeps its other line settings and sets the rate, 8 data bits, no parity, one stop bit and
    /// raw bytes; pending output is dropped. False when any of that fails or the rate is not a standard one;
    /// nothing stays open then.
    bool open(int port, int baud, const Timing &timing);

    bool isOpen() const { return m_fd >= 0; }

    /// Closes the port; true when it was open and the system closed it.
    bool close();

    /// Writes the bytes within (1 ms per byte + 100 ms); the number of bytes written.
    std::size_t write(std::string_view bytes);

    /// Reads up to maxCount bytes: ends when they are there, when no byte followed the last one for
    /// 100 ms, or at the latest after (1 ms per requested byte + 500 ms). The number of bytes read, 0 when
    /// nothing arrived.
    std::size_t read(char *buffer, std::size_t maxCount);

private:
    int m_fd = -1;
    Timing m_timing;
};

} // namespace lumosms
