// The control socket's listening thread; each command line gets one reply.
#include "ktdrv/src/ControlSocket.h"

#include "ktdrv/src/BoardAccess.h"

#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ktdrv {

ControlSocket::~ControlSocket()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listen >= 0) {
        ::close(m_listen);
        ::unlink(m_path.c_str());
    }
}

bool ControlSocket::open(const std::string &path, std::string &error)
{
    sockaddr_un addr{};
    if (path.size() >= sizeof(addr.sun_path)) {
        error = path + ": path too long for a Unix socket";
        return false;
    }
    m_listen = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size());
    ::unlink(path.c_str());
    if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 ||
        ::listen(m_listen, 4) != 0) {
        error = path + ": " + std::strerror(errno);
        if (m_listen >= 0)
            ::close(m_listen);
        m_listen = -1;
        return false;
    }
    m_path = path;
    m_thread = std::thread([this] { serve(); });
    return true;
}

void ControlSocket::serve()
{
    while (!m_stop) {
        pollfd p{m_listen, POLLIN, 0};
        // A short wait keeps the close of the board prompt.
        if (::poll(&p, 1, 100) <= 0)
            continue;
        int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0)
            client(fd);
    }
}

void ControlSocket::client(int fd)
{
    std::string buffer;
    char chunk[512];
    while (!m_stop) {
        pollfd p{fd, POLLIN, 0};
        int r = ::poll(&p, 1, 100);
        if (r == 0)
            continue;
        ssize_t n = r > 0 ? ::read(fd, chunk, sizeof chunk) : -1;
        if (n <= 0)
            break;
        buffer.append(chunk, static_cast<std::size_t>(n));
        if (buffer.size() > 4096)
            break; // nobody types such lines
        std::size_t eol;
        while ((eol = buffer.find('\n')) != std::string::npos) {
            std::string line = buffer.substr(0, eol);
            buffer.erase(0, eol + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            std::string reply = runBoardCommand(line);
            if (::send(fd, reply.data(), reply.size(), MSG_NOSIGNAL) < 0)
                break;
        }
    }
    ::close(fd);
}

} // namespace ktdrv
