// The SIP signalling of the lines: a thread running libre that places, ends and reports calls.
#pragma once

#include "ktdrv/src/SipConfig.h"

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ktdrv {

/// What happened to a call, as the board learns it between its polling passes.
struct SipEvent
{
    enum class Kind
    {
        Ringing,    ///< 180 or 183: the far end rings
        Busy,       ///< 486, 600 or 603
        Failed,     ///< any other final failure (unreachable, refused, timed out)
        Answered,   ///< 200 OK; remoteHost and remotePort say where its RTP goes
        Ended,      ///< the far end sent BYE
        MediaMoved, ///< a re-INVITE gave a new RTP address
        Key,        ///< a key sent in a SIP INFO (code: the key)
        Log,        ///< a message of the SIP stack itself, in text
    };
    Kind kind = Kind::Failed;
    int ch = -1;
    unsigned call = 0; ///< which call of the channel: events of an earlier call are stale
    int code = 0;      ///< the SIP status, where there is one
    std::string remoteHost;
    int remotePort = 0;
    int eventPayload = 101; ///< the far end's RTP payload type for telephone events
    std::string text;       ///< for Log
};

class SipStack
{
public:
    SipStack();
    ~SipStack();
    SipStack(const SipStack &) = delete;
    SipStack &operator=(const SipStack &) = delete;

    /// Binds the signalling socket and starts the thread (and the registration when configured).
    bool start(const SipConfig &config, std::string &error);
    /// Ends every call and the thread.
    void stop();
    /// The port the signalling socket is bound to.
    int localPort() const { return m_localPort; }
    /// The address that goes into SDP: where the far end sends its RTP.
    const std::string &mediaAddress() const { return m_mediaAddress; }

    /// Sends an INVITE to uri offering RTP on rtpPort; the call is known by (ch, call) from then on.
    /// direct: to the URI's own host, not through the proxy.
    void invite(int ch, unsigned call, const std::string &uri, int rtpPort, const std::string &displayName = {},
                bool direct = false);
    /// Ends the call of the channel: CANCEL while it rings, BYE once answered.
    void hangup(int ch, unsigned call);
    /// The events since the last call, in order.
    std::vector<SipEvent> takeEvents();
    /// The registration's state as text.
    std::string registrationText() const;
    /// Whether the account is registered now.
    bool registered() const { return m_registered.load(); }

    struct Inner;

private:
    void post(SipEvent e);
    friend struct Inner;

    std::unique_ptr<Inner> m_inner;
    std::thread m_thread;
    int m_localPort = 0;
    std::string m_mediaAddress;
    mutable std::mutex m_mutex;
    std::deque<SipEvent> m_events;
    std::string m_registration = "not registered";
    std::atomic<bool> m_registered{false};
};

} // namespace ktdrv
