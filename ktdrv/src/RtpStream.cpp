// RTP on a UDP socket: the 12-byte header by hand (no extensions, no CSRC), G.711 and RFC 4733 events.
#include "ktdrv/src/RtpStream.h"

#include <spandsp.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace ktdrv {
namespace {

constexpr char kEventKeys[] = "0123456789*#ABCD";

} // namespace

RtpStream::~RtpStream()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_tones)
        dtmf_rx_free(m_tones);
}

bool RtpStream::open(const std::string &address, std::string &error)
{
    m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0) {
        error = std::string("RTP socket: ") + std::strerror(errno);
        return false;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    if (inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1)
        local.sin_addr.s_addr = htonl(INADDR_ANY);
    socklen_t len = sizeof local;
    if (::bind(m_fd, reinterpret_cast<sockaddr *>(&local), len) != 0 ||
        ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&local), &len) != 0) {
        error = "RTP port on " + address + ": " + std::strerror(errno);
        return false;
    }
    m_localPort = ntohs(local.sin_port);
    std::random_device rd;
    m_ssrc = rd();
    m_seq = static_cast<std::uint16_t>(rd());
    m_timestamp = rd();
    m_tones = dtmf_rx_init(
        nullptr,
        [](void *self, const char *digits, int n) {
            static_cast<RtpStream *>(self)->m_toneKeys.append(digits, static_cast<std::size_t>(n));
        },
        this);
    return true;
}

bool RtpStream::setRemote(const std::string &host, int port, int payloadType, int eventPayload)
{
    m_remote = {};
    m_remote.sin_family = AF_INET;
    m_remote.sin_port = htons(static_cast<std::uint16_t>(port));
    m_hasRemote = port > 0 && port < 65536 && inet_pton(AF_INET, host.c_str(), &m_remote.sin_addr) == 1;
    m_payloadType = payloadType;
    m_eventPayload = eventPayload;
    return m_hasRemote;
}

void RtpStream::send(const std::uint8_t *alaw)
{
    std::uint8_t packet[12 + kPacketBytes];
    packet[0] = 0x80;
    packet[1] = static_cast<std::uint8_t>(m_payloadType & 0x7F);
    std::uint16_t seq = htons(m_seq++);
    std::uint32_t ts = htonl(m_timestamp), ssrc = htonl(m_ssrc);
    std::memcpy(packet + 2, &seq, 2);
    std::memcpy(packet + 4, &ts, 4);
    std::memcpy(packet + 8, &ssrc, 4);
    m_timestamp += kPacketBytes;
    for (std::size_t i = 0; i < kPacketBytes; ++i)
        packet[12 + i] = m_payloadType == 0 ? alaw_to_ulaw(alaw[i]) : alaw[i];
    if (m_hasRemote)
        (void)::sendto(m_fd, packet, sizeof packet, 0, reinterpret_cast<const sockaddr *>(&m_remote), sizeof m_remote);
}

int RtpStream::receive(std::vector<std::uint8_t> &audio, std::string &keys)
{
    int count = 0;
    std::uint8_t packet[1500];
    for (;;) {
        ssize_t n = ::recv(m_fd, packet, sizeof packet, 0);
        if (n < 0)
            break;
        if (n < 12 || (packet[0] >> 6) != 2)
            continue;
        ++count;
        std::size_t header = 12 + 4u * (packet[0] & 0x0F);
        if (packet[0] & 0x10) { // header extension
            if (static_cast<std::size_t>(n) < header + 4)
                continue;
            header += 4 + 4u * ((packet[header + 2] << 8) | packet[header + 3]);
        }
        std::size_t end = static_cast<std::size_t>(n);
        if ((packet[0] & 0x20) && end > header)
            end -= std::min<std::size_t>(packet[end - 1], end - header); // padding
        if (end < header)
            continue;
        const int pt = packet[1] & 0x7F;
        std::uint32_t ts = 0;
        std::memcpy(&ts, packet + 4, 4);
        ts = ntohl(ts);
        if (pt == m_eventPayload) {
            // One key per event: its first packet (a new timestamp) carries it; repeats and the
            // end packets share that timestamp.
            // Event 16 is a flash of the hook.
            if (end - header >= 4 && packet[header] <= 16 && (!m_eventSeen || ts != m_lastEvent)) {
                keys += packet[header] == 16 ? '!' : kEventKeys[packet[header]];
                m_eventSeen = true;
                m_lastEvent = ts;
            }
        } else if (pt == 8 || pt == 0) {
            int16_t linear[sizeof packet];
            std::size_t samples = 0;
            for (std::size_t i = header; i < end; ++i) {
                audio.push_back(pt == 0 ? ulaw_to_alaw(packet[i]) : packet[i]);
                linear[samples++] = pt == 0 ? ulaw_to_linear(packet[i]) : alaw_to_linear(packet[i]);
            }
            // A far end that sends telephone events may send the tones as well: one key, not two.
            if (m_tones && !m_eventSeen)
                dtmf_rx(m_tones, linear, static_cast<int>(samples));
        }
    }
    if (!m_eventSeen)
        keys += m_toneKeys;
    m_toneKeys.clear();
    return count;
}

} // namespace ktdrv
