// The far ends of SIP line tests: SIPp running a scenario, and an RTP socket that plays the far end's media.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ktdrv::test {

/// A free UDP port on loopback (bound, read back and let go).
int freeUdpPort();
/// Whether some socket is bound to the UDP port.
bool udpPortBound(int port);

/// SIPp as the peer (PBX and far end in one): runs scenario sipp/<name>.xml for one call.
class Sipp
{
public:
    /// calls: how many calls the scenario takes before SIPp ends (each its own, at the same time).
    /// rtpPort2: a second media port for scenarios that move the media ([rtpport2]).
    Sipp(const std::string &scenario, int port, int rtpPort, int calls = 1, int rtpPort2 = 0);
    ~Sipp();
    /// Waits up to ms for SIPp to end; its exit code (0: the scenario ran through), -1 when it still runs.
    int wait(int ms);
    int port() const { return m_port; }

private:
    /// Starts SIPp on m_port; false when it ended before it was ready (its port was taken).
    bool spawn(const std::string &scenario, int rtpPort, int calls, int rtpPort2);

    pid_t m_pid = -1;
    int m_port = 0;
    int m_status = -1;
};

/// The far end's RTP: records what arrives (with arrival times), answers with a packet of A-law
/// silence every 20 ms while `speaking`, and sends RFC 4733 keys on request.
class FarEndMedia
{
public:
    FarEndMedia();
    ~FarEndMedia();
    int port() const { return m_port; }
    std::atomic<bool> speaking{true};
    /// The A-law byte that fills every packet sent (0xD5: silence).
    std::atomic<std::uint8_t> fill{0xD5};
    /// Sends the key as a telephone event (three packets, the last two with the end bit).
    void sendKey(char key);
    /// Sends the key as its two tones in the audio (100 ms), as a telephone without RFC 4733 does.
    void sendToneKey(char key);
    /// The payload bytes received so far, in order of their sequence numbers' arrival.
    std::vector<std::uint8_t> received();
    /// Arrival times of the packets in ms of the monotonic clock.
    std::vector<double> arrivals();
    int packets();
    /// Arrival times by the sender's SSRC: one list per stream that came in.
    std::map<std::uint32_t, std::vector<double>> streams();

private:
    void run();
    /// Sends to the board's RTP address once known; the caller holds m_mutex.
    void sendTo(const std::uint8_t *packet, std::size_t n);

    int m_fd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    std::mutex m_mutex;
    bool m_haveRemote = false;
    std::uint8_t m_remote[16] = {};
    std::vector<std::uint8_t> m_audio;
    std::vector<std::uint8_t> m_pending; ///< audio to send before the fill
    std::vector<double> m_arrivals;
    std::map<std::uint32_t, std::vector<double>> m_streams;
    std::uint16_t m_seq = 1;
    std::uint32_t m_ts = 1000;
};

} // namespace ktdrv::test
