// What a trunk hears from its line over time, and the tone queries derived from it.
#pragma once

#include "ktdrv/src/BoardConfig.h"
#include "ktdrv/src/Script.h"

#include <vector>

namespace ktdrv {

/// One stretch of what the far end or exchange sends, from `since` until the next stretch.
struct SoundSegment
{
    enum class Kind { Silence, DialTone, RingBack, Busy, Voice, Key };
    Kind kind = Kind::Silence;
    Ms since = 0;
    Ms until = kForever;        ///< ring-back ends after its cycles
    Ms silenceRunStart = 0;     ///< for Silence: when the quiet began (it may continue an earlier one)
    int carriedResult = 0;      ///< for Silence: the analyser result it keeps from before
    unsigned serial = 0;        ///< tells segments apart for the analysers' clear
    char digit = 0;             ///< for Key
};

/// The line of one call: the current segment, its history (for recordings) and the analysers.
class LineSound
{
public:
    void reset(Ms now, const ToneTiming &timing);
    void change(SoundSegment::Kind kind, Ms now, Ms until = kForever, char digit = 0);
    void answer() { m_answered = true; }

    const SoundSegment &current() const { return m_history.back(); }
    const std::vector<SoundSegment> &history() const { return m_history; }

    /// Whether something sounds at `now`, and since when the present sound or silence lasts.
    bool sounding(Ms now, Ms &runStart) const;
    int toneValue(Ms now) const;
    int noSoundTime(Ms now) const;
    int firstAnalyzer(Ms now) const;
    int secondAnalyzer(Ms now) const;
    void clearFirst(Ms now);
    void clearSecond(Ms now);

private:
    struct Cleared
    {
        bool set = false;
        int value = 0;
        unsigned serial = 0;
        Ms cycle = 0;
    };
    int rawFirst(Ms now, Ms &cycle) const;
    int rawSecond(Ms now, Ms &cycle) const;
    unsigned cueSerial() const;
    static int filtered(int value, Ms cycle, unsigned serial, const Cleared &c);

    ToneTiming m_timing;
    std::vector<SoundSegment> m_history{SoundSegment{}};
    bool m_answered = false;
    unsigned m_serial = 0;
    Cleared m_cleared1, m_cleared2;
};

} // namespace ktdrv
