// The one source of every wait of the worker and the serial port, so that a test bench can shorten them.
#pragma once

#include <chrono>

namespace lumosms {

struct Timing
{
    using ms = std::chrono::milliseconds;
    using us = std::chrono::microseconds;

    ms idlePause{300};          ///< between two looks into the send queue
    ms queueWait{100};          ///< longest wait of a get from either queue
    ms pollPause{100};          ///< between two response polls
    ms submitTimeout{10000};    ///< unanswered submit: send it again
    ms idleBeforeListing{5000}; ///< idle time after which the inbox is listed
    ms listTimeout{15000};      ///< unanswered listing: abandoned
    ms deleteTimeout{5000};     ///< unanswered delete: the listing's deletions end
    ms retryPause{500};         ///< before a submit or a delete is repeated
    ms stopCheck{20};           ///< the worker's look for the stop request after every step
    ms readGap{100};            ///< longest gap between two received bytes within one read
    us readPerByte{1000};       ///< read time allowed per requested byte ...
    ms readConstant{500};       ///< ... plus this
    us writePerByte{1000};      ///< write time allowed per byte ...
    ms writeConstant{100};      ///< ... plus this

    /// Every wait multiplied by factor (a test bench uses a small one).
    Timing scaled(double factor) const;
};

/// The timing the next initialisation takes over (the defaults unless changed).
Timing currentTiming();

/// Changes the timing for initialisations from now on; a running library keeps the one it started with.
void setTiming(const Timing &timing);

} // namespace lumosms
