// Tone value, silence length and the two tone analysers of a trunk, computed from its sound segments.
#include "ktdrv/src/LineSound.h"

#include <algorithm>

namespace ktdrv {

void LineSound::reset(Ms now, const ToneTiming &timing)
{
    m_timing = timing;
    m_history.clear();
    m_history.push_back(SoundSegment{SoundSegment::Kind::Silence, now, kForever, now, 0, ++m_serial, 0});
    m_answered = false;
    m_cleared1 = m_cleared2 = Cleared{};
}

void LineSound::change(SoundSegment::Kind kind, Ms now, Ms until, char digit)
{
    SoundSegment next{kind, now, until, now, 0, ++m_serial, digit};
    if (kind == SoundSegment::Kind::Silence) {
        // Judge the old sound just before the change: a ring-back ends at the end of its last pause.
        Ms probe = now > current().since ? now - 1 : now;
        Ms run = now;
        if (!sounding(probe, run))
            next.silenceRunStart = run;
        Ms cycle = 0;
        next.carriedResult = rawFirst(probe, cycle);
    }
    m_history.push_back(next);
}

bool LineSound::sounding(Ms now, Ms &runStart) const
{
    const auto &s = current();
    using K = SoundSegment::Kind;
    switch (s.kind) {
    case K::Silence:
        runStart = s.silenceRunStart;
        return false;
    case K::DialTone:
    case K::Voice:
    case K::Key:
        runStart = s.since;
        return true;
    case K::RingBack:
    case K::Busy: {
        Ms on = s.kind == K::RingBack ? m_timing.ringOnMs : m_timing.busyPeriodMs / 2;
        Ms period = s.kind == K::RingBack ? on + m_timing.ringOffMs : m_timing.busyPeriodMs;
        Ms t = std::min(now, s.until - 1) - s.since;
        Ms cycleStart = s.since + t / period * period;
        if (now >= s.until || t % period >= on) {
            runStart = cycleStart + on;
            return false;
        }
        runStart = cycleStart;
        return true;
    }
    }
    return false;
}

int LineSound::toneValue(Ms now) const
{
    Ms run = now;
    bool sound = sounding(now, run);
    int ms = static_cast<int>(std::min<Ms>(now - std::min(now, run), 0x3FFF));
    return sound ? ms : (0x8000 | ms);
}

int LineSound::noSoundTime(Ms now) const
{
    Ms run = now;
    if (sounding(now, run))
        return 0;
    return static_cast<int>(std::min<Ms>(now - std::min(now, run), 0x7FFFFFFF));
}

int LineSound::rawFirst(Ms now, Ms &cycle) const
{
    const auto &s = current();
    using K = SoundSegment::Kind;
    cycle = 0;
    // After the answer the cue stays until a tone follows (busy tone once the far end has gone).
    if (m_answered && s.kind != K::Busy)
        return 6;
    switch (s.kind) {
    case K::Silence:
        return s.carriedResult;
    case K::DialTone:
        return now - s.since >= static_cast<Ms>(m_timing.dialToneDetermineMs) ? 1 : 0;
    case K::Busy:
        return now - s.since >= static_cast<Ms>(m_timing.busyPeriodMs) * m_timing.busyDetermineCount ? 2 : 0;
    case K::RingBack: {
        Ms run = now;
        bool on = sounding(now, run);
        cycle = run;
        return on ? 3 : 0;
    }
    default:
        return 0;
    }
}

int LineSound::rawSecond(Ms now, Ms &cycle) const
{
    if (!m_timing.secondAnalyzer)
        return 0;
    // The second analyser knows dial tone and busy tone only.
    int v = rawFirst(now, cycle);
    return v == 1 || v == 2 ? v : 0;
}

unsigned LineSound::cueSerial() const
{
    // The answer cue is one event however the sound changes after it.
    return m_answered && current().kind != SoundSegment::Kind::Busy ? 0 : current().serial;
}

int LineSound::filtered(int value, Ms cycle, unsigned serial, const Cleared &c)
{
    if (c.set && c.value == value && c.serial == serial && c.cycle == cycle)
        return 0;
    return value;
}

int LineSound::firstAnalyzer(Ms now) const
{
    Ms cycle = 0;
    int v = rawFirst(now, cycle);
    return filtered(v, cycle, cueSerial(), m_cleared1);
}

int LineSound::secondAnalyzer(Ms now) const
{
    Ms cycle = 0;
    int v = rawSecond(now, cycle);
    return filtered(v, cycle, current().serial, m_cleared2);
}

void LineSound::clearFirst(Ms now)
{
    Ms cycle = 0;
    int v = rawFirst(now, cycle);
    m_cleared1 = {true, v, cueSerial(), cycle};
}

void LineSound::clearSecond(Ms now)
{
    Ms cycle = 0;
    int v = rawSecond(now, cycle);
    m_cleared2 = {true, v, current().serial, cycle};
}

} // namespace ktdrv
