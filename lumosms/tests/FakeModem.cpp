// The fake GSM modem on a pseudo-terminal.
#include "FakeModem.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace lumosms::test {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

void writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

template <typename Item> bool contains(const std::vector<Item> &list, const Item &item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::string listing(const std::map<int, std::string> &inbox)
{
    std::string reply;
    for (const auto &[index, pdu] : inbox)
        reply += "\r\n+CMGL: " + std::to_string(index) + ",0,," + std::to_string(pdu.size() / 2) + "\r\n" + pdu;
    return reply + "\r\n\r\nOK\r\n";
}

/// The modem's state while it runs, on its own thread only.
class ModemState
{
public:
    explicit ModemState(ModemBehaviour behaviour) : m_b(std::move(behaviour)) {}

    /// The answer to one received command, written in parts with pauses between them.
    std::vector<std::string> answer(const std::string &received)
    {
        if (received.back() == '\x1A')
            return {submitAnswer()};
        const std::string command = received.substr(0, received.size() - 1);
        if (contains(m_b.silent, command))
            return {};
        if (contains(m_b.failing, command))
            return {"\r\nERROR\r\n"};
        if (command == "AT+CIMI")
            return {"\r\n460001234567890\r\n\r\nOK\r\n"};
        if (command == "AT+CSCA?")
            return {m_b.serviceCentreReply};
        if (command.starts_with("AT+CMGS="))
            return prompt();
        if (command == "AT+CMGL")
            return {m_b.listingReply ? *m_b.listingReply : listing(m_b.inbox)};
        if (command.starts_with("AT+CMGD="))
            return deleteAnswer(std::atoi(command.c_str() + 8));
        return {"\r\nOK\r\n"};
    }

private:
    std::vector<std::string> prompt()
    {
        switch (m_b.prompt) {
        case ModemBehaviour::Prompt::Whole:
            return {"\r\n> "};
        case ModemBehaviour::Prompt::Split:
            return {"\r\n", "> "};
        case ModemBehaviour::Prompt::None:
            break;
        }
        return {};
    }

    std::string submitAnswer()
    {
        std::string next = "OK";
        if (m_submits < m_b.submitAnswers.size())
            next = m_b.submitAnswers[m_submits];
        ++m_submits;
        if (next.empty())
            return {};
        return next == "OK" ? "\r\n+CMGS: " + std::to_string(m_submits) + "\r\n\r\nOK\r\n" : "\r\nERROR\r\n";
    }

    std::vector<std::string> deleteAnswer(int index)
    {
        if (m_b.deletesSilent)
            return {};
        if (contains(m_b.deleteRefused, index))
            return {"\r\nERROR\r\n"};
        const auto once = std::find(m_b.deleteErrorsOnce.begin(), m_b.deleteErrorsOnce.end(), index);
        if (once != m_b.deleteErrorsOnce.end()) {
            m_b.deleteErrorsOnce.erase(once);
            return {"\r\nERROR\r\n"};
        }
        m_b.inbox.erase(index);
        return {"\r\nOK\r\n"};
    }

    ModemBehaviour m_b;
    std::size_t m_submits = 0;
};

} // namespace

Timing testTiming()
{
    Timing t;
    t.idlePause = 10ms;
    t.queueWait = 10ms;
    t.pollPause = 5ms;
    t.submitTimeout = 150ms;
    t.idleBeforeListing = 80ms;
    t.listTimeout = 150ms;
    t.deleteTimeout = 120ms;
    t.retryPause = 25ms;
    t.stopCheck = 2ms;
    t.readGap = 20ms;
    t.readPerByte = 100us;
    t.readConstant = 80ms;
    t.writePerByte = 100us;
    t.writeConstant = 50ms;
    return t;
}

FakeModem::FakeModem(ModemBehaviour behaviour)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0)
        throw std::runtime_error("no pseudo-terminal name");
    m_slavePath = name;
    m_thread = std::jthread([this, behaviour](std::stop_token stop) { serve(stop, behaviour); });
}

FakeModem::~FakeModem()
{
    m_thread.request_stop();
    m_thread.join();
    ::close(m_master);
}

void FakeModem::installAsPort(int port) const
{
    setenv(("LUMOSMS_COM" + std::to_string(port)).c_str(), m_slavePath.c_str(), 1);
}

std::optional<ReceivedCommand> FakeModem::next(std::chrono::milliseconds wait)
{
    return m_received.get(wait);
}

std::optional<ReceivedCommand> FakeModem::nextStartingWith(std::string_view prefix, std::chrono::milliseconds wait)
{
    const auto deadline = Clock::now() + wait;
    while (Clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        auto command = m_received.get(std::max(left, 1ms));
        if (command && command->text.starts_with(prefix))
            return command;
    }
    return std::nullopt;
}

bool FakeModem::portClosed() const
{
    pollfd pfd{m_master, POLLIN, 0};
    return ::poll(&pfd, 1, 0) == 1 && (pfd.revents & POLLHUP);
}

void FakeModem::serve(std::stop_token stop, ModemBehaviour behaviour)
{
    ModemState state(std::move(behaviour));
    std::string pending;
    while (!stop.stop_requested()) {
        pollfd pfd{m_master, POLLIN, 0};
        if (::poll(&pfd, 1, 5) <= 0)
            continue;
        char chunk[512];
        const ssize_t n = (pfd.revents & POLLIN) ? ::read(m_master, chunk, sizeof chunk) : -1;
        if (n <= 0) {
            // Nobody holds the port: wait for the library to open it (again).
            std::this_thread::sleep_for(2ms);
            continue;
        }
        pending.append(chunk, static_cast<std::size_t>(n));
        std::size_t end;
        while ((end = pending.find_first_of("\r\x1A")) != std::string::npos) {
            const std::string command = pending.substr(0, end + 1);
            pending.erase(0, end + 1);
            m_received.tryPut({Clock::now(), command});
            const std::vector<std::string> parts = state.answer(command);
            for (std::size_t i = 0; i < parts.size(); ++i) {
                if (i > 0)
                    std::this_thread::sleep_for(150ms); // longer than any read of the test timing
                writeAll(m_master, parts[i]);
            }
        }
    }
}

} // namespace lumosms::test
