// The SIP signalling of the lines on libre: its main loop runs in a thread of its own; the board's
// requests reach it through libre's message queue and its events come back through a locked queue.
#include "ktdrv/src/SipStack.h"

extern "C" {
#include <re.h>
#define DEBUG_MODULE "ktdrv"
#define DEBUG_LEVEL 0
#include <re_dbg.h>
}

#include <netdb.h>

#include <cctype>
#include <condition_variable>
#include <cstring>
#include <map>
#include <sstream>

namespace ktdrv {
namespace {

enum CommandId
{
    kInvite = 1,
    kHangup,
    kQuit
};

struct Command
{
    int ch = -1;
    unsigned call = 0;
    std::string uri;
    int rtpPort = 0;
    std::string displayName;
    bool direct = false;
};

// What the far end's SDP says about its RTP.
struct RemoteMedia
{
    std::string host;
    int port = 0;
    int eventPayload = 101;
};

RemoteMedia parseSdp(const std::string &sdp)
{
    RemoteMedia m;
    std::istringstream in(sdp);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("c=IN IP4 ", 0) == 0)
            m.host = line.substr(9, line.find_first_of(" /", 9) - 9);
        else if (line.rfind("m=audio ", 0) == 0)
            m.port = std::atoi(line.c_str() + 8);
        else if (line.rfind("a=rtpmap:", 0) == 0 && line.find("telephone-event/8000") != std::string::npos)
            m.eventPayload = std::atoi(line.c_str() + 9);
    }
    return m;
}

std::string textOf(const pl &p)
{
    return std::string(p.p ? p.p : "", p.l);
}

// Host names of the peer are resolved once, so that libre needs no DNS client of its own.
bool resolve(const std::string &host, std::string &address)
{
    addrinfo hints{}, *res = nullptr;
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &res) != 0 || !res)
        return false;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in *>(res->ai_addr)->sin_addr, text, sizeof text);
    freeaddrinfo(res);
    address = text;
    return true;
}

} // namespace

struct SipStack::Inner
{
    struct Call
    {
        Inner *inner = nullptr;
        int ch = -1;
        unsigned id = 0;
        sipsess *sess = nullptr;
        bool answered = false;
        int rtpPort = 0;
        unsigned sdpVersion = 0;
        RemoteMedia media;
        ~Call() { mem_deref(sess); }
    };

    // Our side of the session: one G.711 codec and telephone events on the call's RTP port.
    mbuf *localSdp(Call &c)
    {
        const std::string &address = owner->m_mediaAddress;
        const int pt = static_cast<int>(config.codec);
        std::ostringstream sdp;
        sdp << "v=0\r\no=ktdrv " << c.id << " " << c.sdpVersion++ << " IN IP4 " << address << "\r\ns=ktdrv\r\nc=IN IP4 "
            << address << "\r\nt=0 0\r\nm=audio " << c.rtpPort << " RTP/AVP " << pt << " 101\r\na=rtpmap:" << pt
            << (pt == 8 ? " PCMA/8000" : " PCMU/8000")
            << "\r\na=rtpmap:101 telephone-event/8000\r\na=fmtp:101 0-15\r\na=ptime:20\r\na=sendrecv\r\n";
        mbuf *body = mbuf_alloc(512);
        mbuf_write_str(body, sdp.str().c_str());
        mbuf_set_pos(body, 0);
        return body;
    }

    static RemoteMedia remoteSdp(const sip_msg *msg, const RemoteMedia &before)
    {
        if (!msg || mbuf_get_left(msg->mb) == 0)
            return before;
        return parseSdp(std::string(reinterpret_cast<const char *>(mbuf_buf(msg->mb)), mbuf_get_left(msg->mb)));
    }

    // A re-INVITE in the call (a session refresh, hold, a new media address): answered with the same
    // media, and the far end's new address goes to the board.
    static int offer(mbuf **answerBody, const sip_msg *msg, void *arg)
    {
        auto *c = static_cast<Call *>(arg);
        RemoteMedia media = remoteSdp(msg, c->media);
        if (media.host != c->media.host || media.port != c->media.port) {
            c->media = media;
            if (c->answered)
                c->inner->post(c, SipEvent::Kind::MediaMoved, 0);
        }
        *answerBody = c->inner->localSdp(*c);
        return 0;
    }

    SipStack *owner = nullptr;
    SipConfig config;
    std::string route;
    std::string fromUri;
    sip *stack = nullptr;
    sipsess_sock *sessions = nullptr;
    sipreg *registration = nullptr;
    mqueue *queue = nullptr;
    std::map<int, std::unique_ptr<Call>> calls;

    // Start-up hand-shake with the thread that calls start().
    std::mutex readyMutex;
    std::condition_variable readyCv;
    bool ready = false;
    std::string startError;

    static int credentials(char **user, char **password, const char * /*realm*/, void *arg)
    {
        auto *self = static_cast<Inner *>(arg);
        int err = str_dup(user, self->config.user.c_str());
        return err ? err : str_dup(password, self->config.password.c_str());
    }

    void post(Call *c, SipEvent::Kind kind, int code)
    {
        SipEvent e;
        e.kind = kind;
        e.ch = c->ch;
        e.call = c->id;
        e.code = code;
        e.remoteHost = c->media.host;
        e.remotePort = c->media.port;
        e.eventPayload = c->media.eventPayload;
        owner->post(std::move(e));
    }

    static void progress(const sip_msg *msg, void *arg)
    {
        auto *c = static_cast<Call *>(arg);
        if (msg->scode == 180 || msg->scode == 183)
            c->inner->post(c, SipEvent::Kind::Ringing, msg->scode);
    }

    static int answer(const sip_msg *msg, void *arg)
    {
        auto *c = static_cast<Call *>(arg);
        c->media = remoteSdp(msg, c->media);
        return 0;
    }

    static void established(const sip_msg *msg, void *arg)
    {
        auto *c = static_cast<Call *>(arg);
        c->answered = true;
        c->inner->post(c, SipEvent::Kind::Answered, msg ? msg->scode : 200);
    }

    // Keys in SIP INFO, as some PBXs send them: "Signal=9" (application/dtmf-relay) or the key alone
    // (application/dtmf).
    static void info(sip *stack, const sip_msg *msg, void *arg)
    {
        auto *c = static_cast<Call *>(arg);
        const std::string body(reinterpret_cast<const char *>(mbuf_buf(msg->mb)), mbuf_get_left(msg->mb));
        auto at = body.find("Signal=");
        at = at == std::string::npos ? body.find_first_not_of(" \t\r\n") : body.find_first_not_of(" \t", at + 7);
        const char key =
            at == std::string::npos ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(body[at])));
        if (key && std::strchr("0123456789*#ABCD", key)) {
            (void)sip_reply(stack, msg, 200, "OK");
            c->inner->post(c, SipEvent::Kind::Key, key);
        } else {
            (void)sip_reply(stack, msg, 415, "Unsupported Media Type");
        }
    }

    static void closed(int err, const sip_msg *msg, void *arg)
    {
        auto *c = static_cast<Call *>(arg);
        Inner *self = c->inner;
        SipEvent::Kind kind = SipEvent::Kind::Failed;
        int code = msg && !msg->req ? msg->scode : 0;
        if (c->answered)
            kind = SipEvent::Kind::Ended;
        else if (code == 486 || code == 600 || code == 603)
            kind = SipEvent::Kind::Busy;
        (void)err;
        self->post(c, kind, code);
        self->calls.erase(c->ch); // ends the session: nothing of it is touched after this handler
    }

    static void incoming(const sip_msg *msg, void *arg)
    {
        // The lines call out only; a call from outside is turned away rather than left unanswered.
        (void)sip_treply(nullptr, static_cast<Inner *>(arg)->stack, msg, 603, "Decline");
    }

    static void registered(int err, const sip_msg *msg, void *arg)
    {
        auto *self = static_cast<Inner *>(arg);
        std::string text;
        if (err)
            text = std::string("registration failed: ") + std::strerror(err);
        else if (msg && msg->scode >= 300)
            text = "registration refused: " + std::to_string(msg->scode) + " " + textOf(msg->reason);
        else if (msg && msg->scode >= 200)
            text = "registered";
        else
            return;
        std::lock_guard lock(self->owner->m_mutex);
        self->owner->m_registration = text;
        self->owner->m_registered = text == "registered";
    }

    static void command(int id, void *data, void *arg)
    {
        auto *self = static_cast<Inner *>(arg);
        std::unique_ptr<Command> cmd(static_cast<Command *>(data));
        if (id == kQuit) {
            re_cancel();
        } else if (id == kHangup) {
            auto it = self->calls.find(cmd->ch);
            if (it != self->calls.end() && it->second->id == cmd->call)
                self->calls.erase(it);
        } else if (id == kInvite) {
            self->calls.erase(cmd->ch);
            self->invite(*cmd);
        }
    }

    void invite(const Command &cmd)
    {
        auto call = std::make_unique<Call>();
        call->inner = this;
        call->ch = cmd.ch;
        call->id = cmd.call;
        call->rtpPort = cmd.rtpPort;
        mbuf *body = localSdp(*call);
        const char *routes[] = {route.c_str()};
        const std::string cuser = config.user.empty() ? "ktdrv" : config.user;
        // Only digits and a few signs go into the display name, which is quoted text in From.
        std::string display;
        for (char ch : cmd.displayName)
            if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '+' || ch == '*' || ch == '#')
                display += ch;
        int err = sipsess_connect(&call->sess, sessions, cmd.uri.c_str(), display.empty() ? nullptr : display.c_str(),
                                  fromUri.c_str(), cuser.c_str(), routes, cmd.direct ? 0u : 1u, "application/sdp", body,
                                  credentials, this, false, offer, answer, progress, established, info, nullptr, closed,
                                  call.get(), nullptr);
        mem_deref(body);
        if (err) {
            post(call.get(), SipEvent::Kind::Failed, 0);
            return;
        }
        calls[cmd.ch] = std::move(call);
    }

    // Runs in the thread: sets libre up, reports readiness, runs the loop until told to quit.
    void run()
    {
        std::string error = setUp();
        {
            std::lock_guard lock(readyMutex);
            startError = error;
            ready = true;
        }
        readyCv.notify_all();
        if (error.empty())
            re_main(nullptr);
        calls.clear();
        registration = static_cast<sipreg *>(mem_deref(registration));
        if (sessions)
            sipsess_close_all(sessions);
        sessions = static_cast<sipsess_sock *>(mem_deref(sessions));
        if (stack)
            sip_close(stack, true);
        stack = static_cast<sip *>(mem_deref(stack));
        queue = static_cast<mqueue *>(mem_deref(queue));
        dbg_handler_set(nullptr, nullptr);
        libre_close();
    }

    // The stack's own warnings go to the driver's log, not to the standard error of the program.
    static void stackMessage(int /*level*/, const char *text, std::size_t length, void *arg)
    {
        SipEvent e;
        e.kind = SipEvent::Kind::Log;
        e.text.assign(text, length);
        while (!e.text.empty() && (e.text.back() == '\n' || e.text.back() == '\r'))
            e.text.pop_back();
        static_cast<Inner *>(arg)->owner->post(std::move(e));
    }

    std::string setUp()
    {
        if (int err = libre_init())
            return std::string("SIP stack not started: ") + std::strerror(err);
        dbg_handler_set(stackMessage, this);
        std::string proxy;
        if (!resolve(config.proxyHost, proxy))
            return config.path + ": [Sip] Proxy: the host '" + config.proxyHost + "' cannot be resolved";
        route = "sip:" + proxy + ":" + std::to_string(config.proxyPort); // libre marks it ;lr
        fromUri = "sip:" + (config.user.empty() ? std::string("ktdrv") : config.user) + "@" + config.domain;
        sa local{};
        if (sa_set_str(&local, config.localAddress.c_str(), static_cast<uint16_t>(config.localPort)))
            return config.path + ": [Sip] LocalAddress: '" + config.localAddress + "' is not an IP address";
        if (int err = sip_alloc(&stack, nullptr, 32, 32, 32, "ktdrv", nullptr, nullptr))
            return std::string("SIP stack not started: ") + std::strerror(err);
        if (int err = sip_transp_add(stack, SIP_TRANSP_UDP, &local))
            return config.path + ": [Sip] LocalAddress, LocalPort: " + config.localAddress + ":" +
                   std::to_string(config.localPort) + " cannot be bound: " + std::strerror(err);
        sa bound{};
        sip_transp_laddr(stack, &bound, SIP_TRANSP_UDP, nullptr);
        owner->m_localPort = sa_port(&bound);
        if (int err = sipsess_listen(&sessions, stack, 32, incoming, this))
            return std::string("SIP sessions not started: ") + std::strerror(err);
        if (int err = mqueue_alloc(&queue, command, this))
            return std::string("SIP queue not started: ") + std::strerror(err);
        if (config.registerAccount) {
            const char *routes[] = {route.c_str()};
            std::string registrar = "sip:" + config.domain;
            if (int err =
                    sipreg_register(&registration, stack, registrar.c_str(), fromUri.c_str(), nullptr, fromUri.c_str(),
                                    static_cast<uint32_t>(config.registerExpires), config.user.c_str(), routes, 1, 0,
                                    credentials, this, false, registered, this, nullptr, nullptr))
                return std::string("registration not started: ") + std::strerror(err);
        }
        return {};
    }
};

SipStack::SipStack() = default;

SipStack::~SipStack()
{
    stop();
}

bool SipStack::start(const SipConfig &config, std::string &error)
{
    stop();
    m_inner = std::make_unique<Inner>();
    m_inner->owner = this;
    m_inner->config = config;
    // The address for SDP: the local address, or the one the system would send from.
    m_mediaAddress = config.localAddress;
    if (m_mediaAddress == "0.0.0.0") {
        sa source{};
        char text[64] = {};
        if (net_default_source_addr_get(AF_INET, &source) == 0 && sa_ntop(&source, text, sizeof text) == 0)
            m_mediaAddress = text;
        else
            m_mediaAddress = "127.0.0.1";
    }
    Inner *inner = m_inner.get();
    m_thread = std::thread([inner] { inner->run(); });
    std::unique_lock lock(inner->readyMutex);
    inner->readyCv.wait(lock, [&] { return inner->ready; });
    if (!inner->startError.empty()) {
        error = inner->startError;
        lock.unlock();
        m_thread.join();
        m_inner.reset();
        return false;
    }
    return true;
}

void SipStack::stop()
{
    if (!m_inner)
        return;
    mqueue_push(m_inner->queue, kQuit, new Command);
    m_thread.join();
    m_inner.reset();
}

void SipStack::invite(int ch, unsigned call, const std::string &uri, int rtpPort, const std::string &displayName,
                      bool direct)
{
    if (!m_inner)
        return;
    auto *cmd = new Command{ch, call, uri, rtpPort, displayName, direct};
    if (mqueue_push(m_inner->queue, kInvite, cmd)) {
        delete cmd;
        post({SipEvent::Kind::Failed, ch, call, 0, {}, 0, 101, {}});
    }
}

void SipStack::hangup(int ch, unsigned call)
{
    if (!m_inner)
        return;
    auto *cmd = new Command{ch, call, {}, 0, {}, false};
    if (mqueue_push(m_inner->queue, kHangup, cmd))
        delete cmd;
}

std::vector<SipEvent> SipStack::takeEvents()
{
    std::lock_guard lock(m_mutex);
    std::vector<SipEvent> out(m_events.begin(), m_events.end());
    m_events.clear();
    return out;
}

std::string SipStack::registrationText() const
{
    std::lock_guard lock(m_mutex);
    return m_registration;
}

void SipStack::post(SipEvent e)
{
    std::lock_guard lock(m_mutex);
    m_events.push_back(std::move(e));
}

} // namespace ktdrv
