// The modem's serial port over termios.
#include "lumosms/SerialPort.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace lumosms {

namespace {

using Clock = std::chrono::steady_clock;

struct BaudEntry
{
    int baud;
    speed_t speed;
};

constexpr BaudEntry kBaudRates[] = {
    {1200, B1200},   {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool speedOf(int baud, speed_t &speed)
{
    for (const auto &entry : kBaudRates)
        if (entry.baud == baud) {
            speed = entry.speed;
            return true;
        }
    return false;
}

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool applyLineSettings(int fd, speed_t speed)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    // Raw bytes both ways: the modem's CR LF and Ctrl-Z must pass untouched, as on a Windows COM port.
    settings.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF);
    settings.c_oflag &= ~OPOST;
    settings.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    // Reads return at once; the time limits are kept with poll().
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0)
        return false;
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
        return false;
    tcflush(fd, TCOFLUSH);
    return true;
}

} // namespace

SerialPort::~SerialPort()
{
    close();
}

std::string SerialPort::devicePath(int port)
{
    if (port < 1)
        return {};
    const std::string variable = "LUMOSMS_COM" + std::to_string(port);
    if (const char *path = std::getenv(variable.c_str()); path && *path)
        return path;
    return "/dev/ttyS" + std::to_string(port - 1);
}

bool SerialPort::open(int port, int baud, const Timing &timing)
{
    close();
    speed_t speed{};
    const std::string path = devicePath(port);
    if (path.empty() || !speedOf(baud, speed))
        return false;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !applyLineSettings(fd, speed)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_timing = timing;
    return true;
}

bool SerialPort::close()
{
    if (m_fd < 0)
        return false;
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0;
}

std::size_t SerialPort::write(std::string_view bytes)
{
    if (m_fd < 0)
        return 0;
    const auto deadline = Clock::now() + m_timing.writeConstant + m_timing.writePerByte * bytes.size();
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        pollfd pfd{m_fd, POLLOUT, 0};
        const int wait = millisecondsUntil(deadline);
        if (wait == 0 || ::poll(&pfd, 1, wait) <= 0 || (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)))
            break;
    }
    return written;
}

std::size_t SerialPort::read(char *buffer, std::size_t maxCount)
{
    if (m_fd < 0 || maxCount == 0)
        return 0;
    const auto deadline = Clock::now() + m_timing.readConstant + m_timing.readPerByte * maxCount;
    const int gap = static_cast<int>(m_timing.readGap.count());
    std::size_t count = 0;
    while (count < maxCount) {
        // Before the first byte only the total limit counts; after it, also the gap between bytes.
        int wait = millisecondsUntil(deadline);
        if (count > 0 && gap < wait)
            wait = gap;
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, wait);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || !(pfd.revents & POLLIN))
            break;
        const ssize_t n = ::read(m_fd, buffer + count, maxCount - count);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0)
            break;
        count += static_cast<std::size_t>(n);
    }
    return count;
}

} // namespace lumosms
