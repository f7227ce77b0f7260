// SIPp started with posix_spawn on loopback, and the far end's RTP socket with its own thread.
#include "SipPeer.h"

#include <spandsp.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

extern char **environ;

namespace ktdrv::test {
namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

int loopbackSocket(int &port)
{
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr *>(&a), len);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len);
    port = ntohs(a.sin_port);
    return fd;
}

} // namespace

bool udpPortBound(int port)
{
    std::ifstream table("/proc/net/udp");
    std::string line;
    char wanted[8];
    std::snprintf(wanted, sizeof wanted, ":%04X ", port);
    while (std::getline(table, line)) {
        // "  sl  local_address rem_address ...": the local address is the second field.
        std::istringstream fields(line);
        std::string slot, local;
        fields >> slot >> local;
        if ((local + " ").find(wanted) != std::string::npos)
            return true;
    }
    return false;
}

int freeUdpPort()
{
    int port = 0;
    ::close(loopbackSocket(port));
    return port;
}

Sipp::Sipp(const std::string &scenario, int port, int rtpPort, int calls, int rtpPort2) : m_port(port)
{
    // A port found free may be taken by another test before SIPp binds it: SIPp then ends at once,
    // and it starts again on another port.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0)
            m_port = freeUdpPort();
        if (spawn(scenario, rtpPort, calls, rtpPort2))
            return;
    }
}

bool Sipp::spawn(const std::string &scenario, int rtpPort, int calls, int rtpPort2)
{
    std::string file = std::string(VN_SOURCE_DIR_PATH) + "/ktdrv/tests/sipp/" + scenario + ".xml";
    std::vector<std::string> args = {"sipp",
                                     "-sf",
                                     file,
                                     "-i",
                                     "127.0.0.1",
                                     "-p",
                                     std::to_string(m_port),
                                     "-m",
                                     std::to_string(calls),
                                     "-timeout",
                                     "30s",
                                     "-nostdin",
                                     "-key",
                                     "rtpport",
                                     std::to_string(rtpPort)};
    if (rtpPort2 > 0)
        args.insert(args.end(), {"-key", "rtpport2", std::to_string(rtpPort2)});
    // KTDRV_SIPP_TRACE=1 keeps SIPp's message trace beside the scenario's run, for a failing test.
    if (const char *trace = std::getenv("KTDRV_SIPP_TRACE"); trace && *trace == '1')
        args.insert(args.end(), {"-trace_msg", "-trace_err"});
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    m_status = -1;
    posix_spawnp(&m_pid, "sipp", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    // SIPp binds its port while it starts; give it that moment before the board calls it. The
    // kernel's socket table tells, without a probing bind that could take the port from it.
    for (int i = 0; i < 200 && !udpPortBound(m_port); ++i) {
        if (wait(0) >= 0)
            return false;
        usleep(10000);
    }
    usleep(50000);
    return wait(0) < 0;
}

Sipp::~Sipp()
{
    if (wait(0) == -1 && m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

int Sipp::wait(int ms)
{
    for (int waited = 0; m_status < 0; waited += 10) {
        int status = 0;
        if (m_pid > 0 && waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            break;
        }
        if (waited >= ms)
            return -1;
        usleep(10000);
    }
    return m_status;
}

FarEndMedia::FarEndMedia()
{
    m_fd = loopbackSocket(m_port);
    timeval tv{0, 5000};
    setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    m_thread = std::thread([this] { run(); });
}

FarEndMedia::~FarEndMedia()
{
    m_stop = true;
    m_thread.join();
    ::close(m_fd);
}

void FarEndMedia::sendTo(const std::uint8_t *packet, std::size_t n)
{
    if (m_haveRemote)
        ::sendto(m_fd, packet, n, 0, reinterpret_cast<const sockaddr *>(m_remote), sizeof(sockaddr_in));
}

void FarEndMedia::run()
{
    double nextSend = nowMs();
    while (!m_stop) {
        std::uint8_t packet[1500];
        sockaddr_in from{};
        socklen_t len = sizeof from;
        ssize_t n = ::recvfrom(m_fd, packet, sizeof packet, 0, reinterpret_cast<sockaddr *>(&from), &len);
        double t = nowMs();
        if (n > 12) {
            std::lock_guard lock(m_mutex);
            m_arrivals.push_back(t);
            std::uint32_t ssrc = 0;
            std::memcpy(&ssrc, packet + 8, 4);
            m_streams[ntohl(ssrc)].push_back(t);
            m_audio.insert(m_audio.end(), packet + 12, packet + n);
            std::memcpy(m_remote, &from, sizeof from);
            m_haveRemote = true;
        }
        if (t >= nextSend) {
            nextSend += 20;
            std::lock_guard lock(m_mutex);
            // Nothing goes out before the board's first packet says where to.
            if (speaking && m_haveRemote) {
                std::uint8_t out[12 + 160];
                out[0] = 0x80;
                out[1] = 8;
                std::uint16_t seq = htons(m_seq++);
                std::uint32_t ts = htonl(m_ts), ssrc = htonl(0x5eed);
                m_ts += 160;
                std::memcpy(out + 2, &seq, 2);
                std::memcpy(out + 4, &ts, 4);
                std::memcpy(out + 8, &ssrc, 4);
                std::memset(out + 12, fill.load(), 160);
                const std::size_t take = std::min<std::size_t>(160, m_pending.size());
                std::copy_n(m_pending.begin(), take, out + 12);
                m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<long>(take));
                sendTo(out, sizeof out);
            }
        }
    }
}

void FarEndMedia::sendKey(char key)
{
    const char *keys = "0123456789*#ABCD";
    const std::uint8_t event = static_cast<std::uint8_t>(std::strchr(keys, key) - keys);
    std::lock_guard lock(m_mutex);
    const std::uint32_t ts = htonl(m_ts);
    for (int i = 0; i < 3; ++i) {
        std::uint8_t out[16] = {0x80, static_cast<std::uint8_t>(101 | (i == 0 ? 0x80 : 0))};
        std::uint16_t seq = htons(m_seq++);
        std::memcpy(out + 2, &seq, 2);
        std::memcpy(out + 4, &ts, 4);
        std::uint32_t ssrc = htonl(0x5eed);
        std::memcpy(out + 8, &ssrc, 4);
        out[12] = event;
        out[13] = static_cast<std::uint8_t>((i > 0 ? 0x80 : 0) | 10);
        out[14] = 0x03;
        out[15] = 0x20;
        sendTo(out, sizeof out);
    }
}

void FarEndMedia::sendToneKey(char key)
{
    dtmf_tx_state_t *tx = dtmf_tx_init(nullptr);
    dtmf_tx_put(tx, &key, 1);
    int16_t samples[1600] = {};
    const int n = dtmf_tx(tx, samples, 1600);
    dtmf_tx_free(tx);
    std::lock_guard lock(m_mutex);
    for (int i = 0; i < n; ++i)
        m_pending.push_back(linear_to_alaw(samples[i]));
}

std::vector<std::uint8_t> FarEndMedia::received()
{
    std::lock_guard lock(m_mutex);
    return m_audio;
}

std::vector<double> FarEndMedia::arrivals()
{
    std::lock_guard lock(m_mutex);
    return m_arrivals;
}

std::map<std::uint32_t, std::vector<double>> FarEndMedia::streams()
{
    std::lock_guard lock(m_mutex);
    return m_streams;
}

int FarEndMedia::packets()
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_arrivals.size());
}

} // namespace ktdrv::test
