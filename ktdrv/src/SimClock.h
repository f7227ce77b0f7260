// The board's clock: the monotonic clock, or virtual time that moves only when the host says so.
#pragma once

#include "ktdrv/src/Script.h"

#include <chrono>

namespace ktdrv {

class SimClock
{
public:
    SimClock() : m_origin(std::chrono::steady_clock::now()) {}
    bool isVirtual() const { return m_virtual; }
    /// Switching to virtual time stands the clock still at `from` (zero before a board runs, so that
    /// a run starts at tick 0; the present time of a running board, so that its calls go on).
    void setVirtual(bool on, Ms from = 0)
    {
        if (on && !m_virtual)
            m_virtualNow = from;
        else if (!on && m_virtual)
            m_origin = std::chrono::steady_clock::now() - std::chrono::milliseconds(m_virtualNow);
        m_virtual = on;
    }
    void advance(Ms ms) { m_virtualNow += ms; }
    Ms now() const
    {
        if (m_virtual)
            return m_virtualNow;
        return static_cast<Ms>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - m_origin).count());
    }

private:
    std::chrono::steady_clock::time_point m_origin;
    bool m_virtual = false;
    Ms m_virtualNow = 0;
};

} // namespace ktdrv
