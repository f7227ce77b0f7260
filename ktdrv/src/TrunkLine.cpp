// Trunk lines: seizure, dialling with its digit timing, the far-end script and the release.
#include "ktdrv/src/Board.h"

#include "ktdrv/src/AudioFile.h"

#include <filesystem>
#include <fstream>

namespace ktdrv {
namespace {

// The driver confirms dial tone a little after recognising it before it dials.
constexpr Ms kDialToneConfirmMs = 200;
// Far-end keys: tone and pause, so that each key lands in its own 100 ms polling pass.
constexpr Ms kKeyToneMs = 100;
constexpr Ms kKeyGapMs = 200;

std::string fileSafe(const std::string &digits)
{
    std::string out;
    for (char c : digits)
        out += (c >= '0' && c <= '9') ? c : c == '*' ? 's' : c == '#' ? 'h' : '_';
    return out.empty() ? "none" : out;
}

} // namespace

void Board::seize(Channel &c, Ms t)
{
    c.seized = true;
    c.state = 1;
    c.seizedAt = t;
    c.line.reset(t, m_config.tones);
    // A SIP line has no dial tone: the number goes out in the INVITE at once.
    if (!c.sip)
        c.line.change(SoundSegment::Kind::DialTone, t);
    c.reversals = 0;
    c.heard.clear();
    c.dialled.clear();
    c.farEndStarted = false;
    c.farEnd.stop();
    c.rxDtmf.clear();
    c.dialling = false;
    c.digitEnds.clear();
}

int Board::pickup(int ch)
{
    Channel *c = channel(ch);
    if (!c || !c->trunk())
        return -1;
    if (!c->seized)
        seize(*c, m_now);
    refreshDue();
    return 0;
}

int Board::hangup(int ch)
{
    Channel *c = channel(ch);
    if (!c || !c->trunk())
        return -1;
    if (c->seized)
        release(ch, m_now, "hung up by the board");
    refreshDue();
    return 0;
}

int Board::dial(int ch, const std::string &digits, bool autoDial)
{
    Channel *c = channel(ch);
    if (!c || (!c->trunk() && !c->station()))
        return -1;
    for (char d : digits)
        if (!isDtmfDigit(d) && d != ',') {
            m_lastError = "dial string '" + digits + "' holds '" + std::string(1, d) + "', which is not a DTMF key";
            return -1;
        }
    if (c->station())
        return 0; // tones to a handset go nowhere the simulation follows
    if (!c->seized) {
        if (!autoDial) {
            m_lastError = "channel " + std::to_string(ch) + " is not off-hook: digits cannot be sent";
            return -1;
        }
        seize(*c, m_now);
    }
    Ms begin = m_now;
    if (autoDial && c->line.current().kind == SoundSegment::Kind::DialTone)
        begin = std::max(m_now, c->seizedAt + static_cast<Ms>(m_config.tones.dialToneDetermineMs) + kDialToneConfirmMs);
    c->digitEnds.clear();
    Ms at = begin;
    for (char d : digits) {
        if (!c->sip)
            at += d == ',' ? static_cast<Ms>(m_config.tones.commaPauseMs) : static_cast<Ms>(c->txToneMs + c->txPauseMs);
        c->digitEnds.push_back(at);
        if (d != ',' && !c->farEndStarted)
            c->dialled += d;
    }
    c->autoDial = autoDial;
    c->dialling = true;
    c->dialBegin = begin;
    c->dialDone = at;
    m_log.write(m_now, "ch " + std::to_string(ch) + (autoDial ? " auto-dial " : " send DTMF ") + digits);
    refreshDue();
    return 0;
}

void Board::startFarEnd(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    c.farEndStarted = true;
    if (c.line.current().kind == SoundSegment::Kind::DialTone)
        c.line.change(SoundSegment::Kind::Silence, t);
    m_log.write(t, "ch " + std::to_string(ch) + " called " + c.dialled);
    if (c.sip)
        sipCall(ch, sipUriFor(c.dialled), t);
    else
        c.farEnd.start(m_sim.scriptFor(c.dialled), t);
}

bool Board::keyStep(int ch, ScriptRunner &r, const ScriptStep &step, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    std::size_t i = r.sub / 2;
    if (i >= step.digits.size()) {
        r.sub = 0;
        ++r.next;
        r.due = t;
        return true;
    }
    char d = step.digits[i];
    if (r.sub % 2 == 0) {
        if (c.trunk() && c.seized)
            c.line.change(SoundSegment::Kind::Key, t, kForever, d);
        r.due = t + kKeyToneMs;
    } else {
        if (c.trunk() && c.seized)
            c.line.change(SoundSegment::Kind::Silence, t);
        deliverKey(ch, d, t);
        r.due = t + kKeyGapMs;
    }
    ++r.sub;
    return true;
}

void Board::deliverKey(int ch, char digit, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    if ((c.trunk() && !c.seized) || (c.station() && c.hook == 0))
        return;
    if (static_cast<int>(c.rxDtmf.size()) < m_config.tones.rxDtmfBufSize)
        c.rxDtmf += digit;
    if (c.dtmfStopPlay) {
        std::vector<PlayedPiece> pieces;
        if (c.player.stop(t, pieces))
            m_log.write(t, "ch " + std::to_string(ch) + " playing stopped by key " + std::string(1, digit));
        collectPlayed(ch, pieces);
    }
    // An agent's keys on a bridged, seized trunk dial the exchange for an own call.
    if (c.station() && c.peer >= 0) {
        auto &p = m_channels[static_cast<std::size_t>(c.peer)];
        if (p.trunk() && p.seized && !p.farEndStarted && !p.dialling) {
            p.dialled += digit;
            if (p.line.current().kind == SoundSegment::Kind::DialTone)
                p.line.change(SoundSegment::Kind::Silence, t);
            // The exchange takes the number after a pause in the dialling, or at once on '#'.
            p.manualDialDue = digit == '#' ? t : t + 4000;
        }
    }
}

void Board::farEndStep(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    ScriptRunner &r = c.farEnd;
    auto kind = c.line.current().kind;
    bool inKeyStep = r.next < r.steps.size() && r.steps[r.next].kind == ScriptStep::Kind::Key;
    if (!inKeyStep && (kind == SoundSegment::Kind::Voice || kind == SoundSegment::Kind::Key))
        c.line.change(SoundSegment::Kind::Silence, t);
    if (r.next >= r.steps.size()) {
        r.stop();
        return;
    }
    const ScriptStep &step = r.steps[r.next];
    using K = ScriptStep::Kind;
    Ms duration = 0;
    switch (step.kind) {
    case K::Ring: {
        const auto &tt = m_config.tones;
        Ms period = static_cast<Ms>(tt.ringOnMs + tt.ringOffMs);
        Ms until = step.ms == kForever ? kForever : t + step.count * period;
        if (until > t)
            c.line.change(SoundSegment::Kind::RingBack, t, until);
        duration = until == kForever ? kForever : until - t;
        break;
    }
    case K::Busy:
        c.line.change(SoundSegment::Kind::Busy, t);
        duration = kForever;
        break;
    case K::Answer:
        if (kind == SoundSegment::Kind::RingBack || kind == SoundSegment::Kind::DialTone)
            c.line.change(SoundSegment::Kind::Silence, t);
        c.line.answer();
        if (c.polarityLine && c.reversals == 0)
            c.reversals = 1;
        m_log.write(t, "ch " + std::to_string(ch) + " far end answered");
        break;
    case K::Voice:
        c.line.change(SoundSegment::Kind::Voice, t);
        duration = step.ms;
        break;
    case K::Silence:
        if (kind != SoundSegment::Kind::Silence)
            c.line.change(SoundSegment::Kind::Silence, t);
        duration = step.ms;
        break;
    case K::Wait:
        duration = step.ms;
        break;
    case K::Key:
        keyStep(ch, r, step, t);
        return;
    case K::Hangup:
    case K::Drop:
        // The far end's hang-up reverses the polarity a second time on lines that report reversals.
        if (step.kind == K::Hangup && c.polarityLine && c.reversals == 1)
            c.reversals = 2;
        r.stop();
        release(ch, t, step.kind == K::Hangup ? "far end hung up" : "line dropped");
        return;
    default:
        break;
    }
    ++r.next;
    r.due = duration == kForever ? kForever : t + duration;
}

void Board::release(int ch, Ms t, const char *why)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    if (c.sip)
        sipEnd(ch);
    std::vector<PlayedPiece> pieces;
    c.player.stop(t, pieces);
    c.player.flush(t, pieces);
    collectPlayed(ch, pieces);
    if (c.peer >= 0)
        settlePlayed(c.peer, t);
    if (c.recording)
        finishRecording(ch, t);
    if (!m_sim.heardDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(m_sim.heardDir, ec);
        // The serial numbers the calls of a run; files of an earlier run in the folder are kept.
        std::filesystem::path path;
        do
            path = std::filesystem::path(m_sim.heardDir) /
                   ("ch" + std::to_string(ch) + "-" + std::to_string(++m_callSerial) + "-" + fileSafe(c.dialled) + ".wav");
        while (std::filesystem::exists(path, ec));
        std::string error;
        if (writeAudioFile(path.string(), c.seizedAt, t, c.heard, nullptr, m_config.tones, error))
            c.heardFile = path.string();
        else
            m_log.write(t, "heard audio not written: " + error);
    }
    c.seized = false;
    c.state = 0;
    c.dialling = false;
    c.manualDialDue = kForever;
    c.farEnd.stop();
    c.manualKeys.stop();
    c.rxDtmf.clear();
    c.line.reset(t, m_config.tones);
    if (c.peer >= 0) {
        settlePlayed(c.peer, t);
        auto &p = m_channels[static_cast<std::size_t>(c.peer)];
        if (p.peer == ch)
            p.peer = -1;
        c.peer = -1;
    }
    m_log.write(t, "ch " + std::to_string(ch) + " released: " + why);
}

int Board::recordToFile(int ch, const std::string &path)
{
    Channel *c = channel(ch);
    if (!c || c->type < 0)
        return -1;
    if (path.empty()) {
        m_lastError = "recording needs a file path";
        return -1;
    }
    // Refuse at once a file that cannot be written, rather than lose the conversation at its end.
    if (!std::ofstream(path, std::ios::binary | std::ios::app)) {
        m_lastError = path + ": cannot be written";
        return -1;
    }
    if (c->recording)
        finishRecording(ch, m_now);
    c->recordFailure.clear();
    c->recording = true;
    c->received.clear();
    c->recordPath = path;
    c->recordStart = m_now;
    return 0;
}

int Board::stopRecord(int ch)
{
    Channel *c = channel(ch);
    if (!c)
        return -1;
    if (c->recording)
        finishRecording(ch, m_now);
    // A recording that could not be written, here or at the hang-up before, is a failure to stop it.
    if (!c->recordFailure.empty()) {
        m_lastError = c->recordFailure;
        c->recordFailure.clear();
        return -1;
    }
    return 0;
}

void Board::finishRecording(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    c.recording = false;
    std::vector<PlayedPiece> pieces;
    c.player.flush(t, pieces);
    collectPlayed(ch, pieces);
    std::string error;
    // A SIP line recorded what it sent and what it received; the software board synthesises its far end.
    std::vector<PlayedPiece> sounds = c.heard;
    sounds.insert(sounds.end(), c.received.begin(), c.received.end());
    c.received.clear();
    if (writeAudioFile(c.recordPath, c.recordStart, t, sounds, c.trunk() && !c.sip ? &c.line.history() : nullptr,
                       m_config.tones, error)) {
        m_log.write(t, "ch " + std::to_string(ch) + " recorded " + c.recordPath);
        return;
    }
    m_log.write(t, "ch " + std::to_string(ch) + " recording failed: " + error);
    c.recordFailure = error;
    // The empty file made when the recording began is no recording.
    std::error_code ec;
    if (std::filesystem::is_regular_file(c.recordPath, ec) && std::filesystem::file_size(c.recordPath, ec) == 0)
        std::filesystem::remove(c.recordPath, ec);
}

int Board::talkWith(int a, int b)
{
    Channel *ca = channel(a), *cb = channel(b);
    if (!ca || !cb || a == b || ca->type < 0 || cb->type < 0)
        return -1;
    settlePlayed(a, m_now);
    settlePlayed(b, m_now);
    ca->peer = b;
    cb->peer = a;
    return 0;
}

int Board::stopTalkWith(int a, int b)
{
    Channel *ca = channel(a), *cb = channel(b);
    if (!ca || !cb)
        return -1;
    settlePlayed(a, m_now);
    settlePlayed(b, m_now);
    if (ca->peer == b)
        ca->peer = -1;
    if (cb->peer == a)
        cb->peer = -1;
    return 0;
}

} // namespace ktdrv
