// SIP lines on the board: calls placed through the SIP stack, their events turned into what the
// Tlx queries report, and the 20 ms media tick that sends what the channel plays.
#include "ktdrv/src/Board.h"

#include "ktdrv/src/BoardAccess.h"
#include "ktdrv/src/MediaClock.h"
#include "ktdrv/src/RtpStream.h"
#include "ktdrv/src/SipStack.h"

namespace ktdrv {

int Board::startSip(const SipConfig &sip)
{
    std::string error;
    m_sipStack = std::make_unique<SipStack>();
    if (!m_sipStack->start(sip, error)) {
        m_lastError = error;
        m_sipStack.reset();
        return 6;
    }
    m_sipConfig = sip;
    m_sim = SimConfig{};
    m_sim.path = sip.path;
    m_sim.heardDir = sip.heardDir;
    m_channels.assign(static_cast<std::size_t>(sip.channelCount()), Channel{});
    for (std::size_t n = 0; n < m_channels.size(); ++n) {
        auto &c = m_channels[n];
        const bool station = sip.stations.count(static_cast<int>(n)) > 0;
        if (static_cast<int>(n) >= sip.trunks && !station)
            continue;
        c.type = station ? 2 : 0;
        c.sip = true;
        // A SIP trunk is connected (while its account is registered, where it must be), and reports
        // its answer and the far end's hang-up as polarity reversals: 200 OK and BYE are as certain
        // as a reversal of the line.
        c.voltage = c.trunk() && !sip.registerAccount ? 48 : 0;
        c.polarityLine = c.trunk();
        c.line.reset(m_now, m_config.tones);
    }
    m_mediaClock = std::make_unique<MediaClock>(static_cast<int>(RtpStream::kPacketMs), [] {
        std::lock_guard lock(boardMutex());
        theBoard().mediaTick();
    });
    m_log.write(m_now, "SIP lines via " + sip.proxyHost + ":" + std::to_string(sip.proxyPort) +
                           ", signalling on port " + std::to_string(m_sipStack->localPort()));
    return 0;
}

std::unique_ptr<MediaClock> Board::detachMedia()
{
    return std::move(m_mediaClock);
}

int Board::sipLocalPort() const
{
    return m_sipStack ? m_sipStack->localPort() : 0;
}

std::string Board::sipRegistration() const
{
    return m_sipStack ? m_sipStack->registrationText() : std::string("no SIP lines");
}

void Board::sipCall(int ch, const std::string &uri, Ms t, const std::string &displayName, bool direct)
{
    sipEnd(ch);
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    ++c.sipCall;
    auto rtp = std::make_shared<RtpStream>();
    std::string error;
    if (!rtp->open(m_sipStack->mediaAddress(), error)) {
        m_log.write(t, "ch " + std::to_string(ch) + " cannot call " + uri + ": " + error);
        return; // the call never progresses; the server's call-out time-out ends it
    }
    c.rtp = std::move(rtp);
    c.mediaOn = false;
    m_log.write(t, "ch " + std::to_string(ch) + " INVITE " + uri);
    m_sipStack->invite(ch, c.sipCall, uri, c.rtp->localPort(), displayName, direct);
}

void Board::sipEnd(int ch)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    if (!c.rtp)
        return;
    m_sipStack->hangup(ch, c.sipCall);
    ++c.sipCall; // whatever the stack still reports about this call is stale from now on
    c.rtp.reset();
    c.mediaOn = false;
    c.rxQueue.clear();
}

std::string Board::sipUriFor(const std::string &digits) const
{
    std::string user;
    for (char d : digits)
        if (d != ',')
            user += d;
    if (!user.empty() && user.back() == '#')
        user.pop_back();
    return "sip:" + user + "@" + m_sipConfig.domain;
}

void Board::stopRinging(Channel &c)
{
    if (!c.ringing)
        return;
    c.ringing = false;
    c.state = c.hook ? 1 : 0;
}

void Board::sipEvents(Ms t)
{
    if (!m_sipStack)
        return;
    // An account that must register and is not has no line: the trunks show no voltage, so that
    // the server shows them disconnected and dials on none of them.
    if (m_sipConfig.registerAccount) {
        const int volts = m_sipStack->registered() ? 48 : 0;
        for (auto &c : m_channels)
            if (c.sip && c.trunk())
                c.voltage = volts;
    }
    for (const auto &e : m_sipStack->takeEvents()) {
        if (e.kind == SipEvent::Kind::Log) {
            m_log.write(t, "SIP: " + e.text);
            continue;
        }
        if (e.ch < 0 || e.ch >= static_cast<int>(m_channels.size()))
            continue;
        auto &c = m_channels[static_cast<std::size_t>(e.ch)];
        if (e.call != c.sipCall || !c.rtp)
            continue;
        const std::string who = "ch " + std::to_string(e.ch);
        using K = SipEvent::Kind;
        switch (e.kind) {
        case K::Ringing:
            if (c.trunk() && c.line.current().kind != SoundSegment::Kind::RingBack)
                c.line.change(SoundSegment::Kind::RingBack, t);
            m_log.write(t, who + " " + std::to_string(e.code) + ": the far end rings");
            break;
        case K::Busy:
            if (c.trunk())
                c.line.change(SoundSegment::Kind::Busy, t);
            else
                stopRinging(c);
            m_log.write(t, who + " " + std::to_string(e.code) + ": busy");
            c.rtp.reset();
            break;
        case K::Failed:
            m_log.write(t, who + " call failed" + (e.code ? ": " + std::to_string(e.code) : std::string()));
            c.rtp.reset();
            // The call cannot be made (404, 5xx, no answer to the INVITE): the line is released as a
            // line that drops, and the server records a failed attempt at once instead of holding the
            // trunk until its call-out time-out.
            if (c.trunk() && c.seized)
                release(e.ch, t, "call failed");
            else if (c.station())
                stopRinging(c); // the caller waits with music until the server's time-out
            break;
        case K::Answered:
            if (!c.rtp->setRemote(e.remoteHost, e.remotePort, static_cast<int>(m_sipConfig.codec), e.eventPayload))
                m_log.write(t, who + " answered without a usable RTP address: " + e.remoteHost + ":" +
                                   std::to_string(e.remotePort));
            c.mediaOn = true;
            c.mediaFrom = t;
            c.lastRx = t;
            m_log.write(t, who + " answered");
            if (c.trunk()) {
                if (c.line.current().kind == SoundSegment::Kind::RingBack)
                    c.line.change(SoundSegment::Kind::Silence, t);
                c.line.answer();
                if (c.reversals == 0)
                    c.reversals = 1;
            } else if (c.ringing) {
                c.ringing = false;
                offHook(e.ch, t);
            }
            break;
        case K::MediaMoved:
            c.rtp->setRemote(e.remoteHost, e.remotePort, static_cast<int>(m_sipConfig.codec), e.eventPayload);
            m_log.write(t, who + " media moved to " + e.remoteHost + ":" + std::to_string(e.remotePort));
            break;
        case K::Key:
            m_log.write(t, who + " key " + std::string(1, static_cast<char>(e.code)) + " (SIP INFO)");
            deliverKey(e.ch, static_cast<char>(e.code), t);
            break;
        case K::Log:
            break;
        case K::Ended:
            m_log.write(t, who + " BYE from the far end");
            c.rtp.reset();
            c.mediaOn = false;
            if (c.trunk() && c.seized) {
                if (c.reversals == 1)
                    c.reversals = 2;
                release(e.ch, t, "far end hung up");
            } else if (c.station() && c.hook) {
                onHook(e.ch, t);
            }
            break;
        }
    }
}

void Board::mediaTick()
{
    if (!m_started || !m_sipStack)
        return;
    sync();
    const Ms t = m_now;
    // First what came in on every line, so that a bridge relays this tick's audio of its peer.
    for (std::size_t n = 0; n < m_channels.size(); ++n) {
        if (m_channels[n].rtp && m_channels[n].mediaOn)
            mediaReceive(static_cast<int>(n), t);
    }
    for (std::size_t n = 0; n < m_channels.size(); ++n) {
        if (m_channels[n].rtp && m_channels[n].mediaOn)
            mediaSend(static_cast<int>(n), t);
    }
}

void Board::mediaReceive(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    std::vector<std::uint8_t> audio;
    std::string keys;
    if (c.rtp->receive(audio, keys) > 0)
        c.lastRx = t;
    if (!audio.empty()) {
        // A bridge relays at most 200 ms behind; a far end that sends faster than the clock loses
        // its oldest audio rather than delay the conversation more and more.
        c.rxQueue.insert(c.rxQueue.end(), audio.begin(), audio.end());
        constexpr std::size_t kMaxQueue = 200 * 8;
        if (c.rxQueue.size() > kMaxQueue)
            c.rxQueue.erase(c.rxQueue.begin(), c.rxQueue.begin() + static_cast<long>(c.rxQueue.size() - kMaxQueue));
        if (c.recording) {
            const Ms ms = audio.size() / 8;
            auto data = std::make_shared<std::vector<std::uint8_t>>(std::move(audio));
            c.received.push_back({t > ms ? t - ms : 0, data, 0, data->size()});
        }
    }
    for (char k : keys) {
        if (k == '!') {
            m_log.write(t, "ch " + std::to_string(ch) + " flash (RFC 4733)");
            if (c.station() && c.hook == 1)
                ++c.flashCount;
            continue;
        }
        m_log.write(t, "ch " + std::to_string(ch) + " key " + std::string(1, k) + " (RFC 4733)");
        deliverKey(ch, k, t);
    }
    if (m_sipConfig.rtpTimeoutMs > 0 && t - c.lastRx >= static_cast<Ms>(m_sipConfig.rtpTimeoutMs)) {
        m_log.write(t, "ch " + std::to_string(ch) + " no RTP for " + std::to_string(t - c.lastRx) + " ms");
        if (c.trunk() && c.seized) {
            release(ch, t, "RTP stream stopped");
        } else {
            sipEnd(ch);
            if (c.station())
                onHook(ch, t);
        }
    }
}

void Board::mediaSend(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    // Each packet carries the 20 ms that ended before it is sent; after a stall the stream resumes
    // at the present instead of sending a burst.
    if (t > c.mediaFrom + 5 * RtpStream::kPacketMs)
        c.mediaFrom = t - RtpStream::kPacketMs;
    Channel *peer = c.peer >= 0 ? &m_channels[static_cast<std::size_t>(c.peer)] : nullptr;
    while (c.mediaFrom + RtpStream::kPacketMs <= t) {
        auto payload = std::make_shared<std::vector<std::uint8_t>>(RtpStream::kPacketBytes);
        // A bridged line hears its peer, except while a prompt plays to it; a station's prompt
        // played with destination 1 is heard by the line bridged to it as well.
        if (peer && peer->station() && peer->playDest == 1 && !c.player.playing(c.mediaFrom) &&
            peer->player.playing(c.mediaFrom)) {
            peer->player.render(c.mediaFrom, RtpStream::kPacketMs, payload->data());
        } else if (peer && peer->sip && !c.player.playing(c.mediaFrom)) {
            std::fill(payload->begin(), payload->end(), std::uint8_t{0xD5});
            const std::size_t n = std::min(payload->size(), peer->rxQueue.size());
            std::copy_n(peer->rxQueue.begin(), n, payload->begin());
            peer->rxQueue.erase(peer->rxQueue.begin(), peer->rxQueue.begin() + static_cast<long>(n));
        } else {
            c.player.render(c.mediaFrom, RtpStream::kPacketMs, payload->data());
        }
        c.rtp->send(payload->data());
        // What the line heard is what went out in its packets.
        if (c.trunk())
            c.heard.push_back({c.mediaFrom, payload, 0, payload->size()});
        c.mediaFrom += RtpStream::kPacketMs;
    }
}

} // namespace ktdrv
