// The control socket: a Unix socket on which a person or a test drives telephones by line commands.
#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace ktdrv {

class ControlSocket
{
public:
    ControlSocket() = default;
    ~ControlSocket();
    ControlSocket(const ControlSocket &) = delete;
    ControlSocket &operator=(const ControlSocket &) = delete;
    /// Listens at path (an old socket file there is replaced); commands run under the board lock.
    bool open(const std::string &path, std::string &error);

private:
    void serve();
    void client(int fd);
    std::string m_path;
    int m_listen = -1;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace ktdrv
