// Station channels: ringing with caller ID, the agent telephone's script, hook, flash and keys.
#include "ktdrv/src/Board.h"

namespace ktdrv {
namespace {

constexpr Ms kFlashMs = 500;

} // namespace

int Board::startRing(int ch, const std::string &callerId)
{
    Channel *c = channel(ch);
    if (!c || !c->station())
        return -1;
    if (c->hook == 1)
        return 0; // a lifted handset does not ring
    c->ringing = true;
    c->state = 2;
    c->callerId = std::string(common::cutGbk(callerId, 31));
    if (c->sip)
        sipCall(ch, m_sipConfig.stations.at(ch), m_now, c->callerId, !m_sipConfig.stationsViaProxy);
    else if (auto it = m_sim.stations.find(ch); it != m_sim.stations.end() && !it->second.onRing.empty())
        c->ringScript.start(it->second.onRing, m_now);
    m_log.write(m_now, "ch " + std::to_string(ch) + " ringing, caller " + c->callerId);
    refreshDue();
    return 0;
}

int Board::stopRing(int ch)
{
    Channel *c = channel(ch);
    if (!c || !c->station())
        return -1;
    if (c->ringing) {
        c->ringing = false;
        c->state = c->hook ? 1 : 0;
        // A telephone that was waiting to answer has nothing left to answer.
        if (c->hook == 0)
            c->ringScript.stop();
        if (c->hook == 0 && c->sip)
            sipEnd(ch);
    }
    refreshDue();
    return 0;
}

void Board::offHook(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    if (c.hook == 1)
        return;
    c.hook = 1;
    c.state = 1;
    c.ringing = false;
    c.rxDtmf.clear();
    m_log.write(t, "ch " + std::to_string(ch) + " handset lifted");
}

void Board::onHook(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    if (c.hook == 0)
        return;
    c.hook = 0;
    c.state = 0;
    c.ringing = false;
    c.sentTone = 0;
    // What was played, ended or not, goes to the bridged line before the destination is reset.
    std::vector<PlayedPiece> pieces;
    c.player.stop(t, pieces);
    c.player.flush(t, pieces);
    collectPlayed(ch, pieces);
    c.playDest = 0;
    c.ringScript.stop();
    c.manualKeys.stop();
    m_log.write(t, "ch " + std::to_string(ch) + " handset hung up");
}

int Board::setHook(int ch, bool lifted)
{
    Channel *c = channel(ch);
    if (!c || !c->station())
        return -1;
    lifted ? offHook(ch, m_now) : onHook(ch, m_now);
    refreshDue();
    return 0;
}

int Board::sendTone(int ch, int kind)
{
    Channel *c = channel(ch);
    if (!c || !c->station())
        return -1;
    c->sentTone = kind;
    // Busy tone tells an agent that the caller has gone; an agent on a SIP telephone is hung up
    // instead, as there is nobody left to talk to.
    if (kind == 3 && c->sip && c->hook == 1) {
        sipEnd(ch);
        onHook(ch, m_now);
    }
    return 0;
}

int Board::flash(int ch)
{
    Channel *c = channel(ch);
    if (!c || !c->station() || c->hook == 0)
        return -1;
    ++c->flashCount;
    return 0;
}

int Board::pressKeys(int ch, const std::string &digits)
{
    Channel *c = channel(ch);
    if (!c || c->type < 0 || digits.empty())
        return -1;
    for (char d : digits)
        if (!isDtmfDigit(d))
            return -1;
    if ((c->trunk() && !c->seized) || (c->station() && c->hook == 0))
        return -1;
    // Keys already waiting to be pressed are pressed first.
    std::string pending;
    if (c->manualKeys.active() && c->manualKeys.next < c->manualKeys.steps.size())
        pending = c->manualKeys.steps[0].digits.substr(c->manualKeys.sub / 2);
    bool wasActive = c->manualKeys.active();
    Ms due = c->manualKeys.due;
    std::size_t sub = c->manualKeys.sub % 2;
    c->manualKeys.start({ScriptStep{ScriptStep::Kind::Key, 0, 0, pending + digits}}, m_now);
    if (wasActive) {
        c->manualKeys.due = due;
        c->manualKeys.sub = sub;
    }
    refreshDue();
    return 0;
}

void Board::stationStep(int ch, ScriptRunner &r, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    if (r.next >= r.steps.size()) {
        r.stop();
        return;
    }
    const ScriptStep &step = r.steps[r.next];
    using K = ScriptStep::Kind;
    auto advance = [&](Ms after) {
        ++r.next;
        r.sub = 0;
        r.due = t + after;
    };
    switch (step.kind) {
    case K::Answer:
    case K::Hangup:
    case K::At:
        if (r.sub == 0) {
            // First the delay, then the act.
            r.sub = 1;
            r.due = step.kind == K::At ? std::max(t, m_startedAt + step.ms) : t + step.ms;
            return;
        }
        if (step.kind == K::Answer) {
            if (!c.ringing) {
                r.stop();
                return;
            }
            offHook(ch, t);
        } else if (step.kind == K::Hangup) {
            onHook(ch, t);
            if (&r == &c.ringScript)
                return;
        } else if (c.hook == 0 && !c.ringing) {
            offHook(ch, t);
        }
        advance(0);
        return;
    case K::NoAnswer:
        r.stop();
        return;
    case K::Flash:
        if (c.hook == 1)
            ++c.flashCount;
        advance(kFlashMs);
        return;
    case K::Wait:
        advance(step.ms);
        return;
    case K::Key:
        keyStep(ch, r, step, t);
        return;
    default:
        advance(0);
        return;
    }
}

} // namespace ktdrv
