// One RTP stream of a SIP line: its UDP socket, G.711 packets out, audio and RFC 4733 keys in.
#pragma once

#include "ktdrv/src/Script.h"

#include <netinet/in.h>

#include <cstdint>
#include <string>
#include <vector>

struct dtmf_rx_state_s;

namespace ktdrv {

class RtpStream
{
public:
    static constexpr std::size_t kPacketBytes = 160; ///< 20 ms of 8 kHz G.711
    static constexpr Ms kPacketMs = 20;

    RtpStream() = default;
    ~RtpStream();
    RtpStream(const RtpStream &) = delete;
    RtpStream &operator=(const RtpStream &) = delete;

    /// Binds a free UDP port on address. False with error set when that fails.
    bool open(const std::string &address, std::string &error);
    int localPort() const { return m_localPort; }

    /// Where the packets go, in which G.711 payload type (8 PCMA, 0 PCMU), and the far end's payload
    /// type of telephone events.
    bool setRemote(const std::string &host, int port, int payloadType, int eventPayload);
    bool hasRemote() const { return m_hasRemote; }

    /// Sends 20 ms of A-law audio (converted for PCMU).
    void send(const std::uint8_t *alaw);
    /// Takes every packet waiting on the socket: the audio (as A-law) is appended to audio, the keys
    /// of new telephone events to keys ('!' for a flash). Keys sent as tones in the audio count too,
    /// until the far end has shown that it sends telephone events. Returns the number of packets taken.
    int receive(std::vector<std::uint8_t> &audio, std::string &keys);

private:
    int m_fd = -1;
    int m_localPort = 0;
    bool m_hasRemote = false;
    sockaddr_in m_remote{};
    int m_payloadType = 8;
    int m_eventPayload = 101;
    std::uint16_t m_seq = 0;
    std::uint32_t m_timestamp = 0;
    std::uint32_t m_ssrc = 0;
    bool m_eventSeen = false;
    std::uint32_t m_lastEvent = 0;      ///< RTP timestamp of the last telephone event taken
    dtmf_rx_state_s *m_tones = nullptr; ///< the in-band key detector
    std::string m_toneKeys;             ///< keys it found, not yet taken
};

} // namespace ktdrv
