// The state of one simulated channel: a trunk line with its far end, or a station with its telephone.
#pragma once

#include "ktdrv/src/LineSound.h"
#include "ktdrv/src/Player.h"
#include "ktdrv/src/Script.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace ktdrv {

class RtpStream;

/// Runs a script step by step in board time.
struct ScriptRunner
{
    Script steps;
    std::size_t next = 0;
    std::size_t sub = 0;      ///< phase inside a step (keys, delayed answer or hang-up)
    Ms due = kForever;
    bool active() const { return due != kForever; }
    void start(Script s, Ms now)
    {
        steps = std::move(s);
        next = sub = 0;
        due = now;
    }
    void stop() { due = kForever; }
};

struct Channel
{
    int type = -1;                 ///< driver channel type; -1: no started board behind it
    bool trunk() const { return type == 0; }
    bool station() const { return type == 2; }

    // Common to every kind.
    int state = 0;
    std::string rxDtmf;
    Player player;
    std::vector<PlayItem> fileList;
    bool dtmfStopPlay = false;
    int playDest = 0;
    int peer = -1;
    int txToneMs = 80, txPauseMs = 80;
    int bargeInSens = 0;
    ScriptRunner manualKeys;       ///< keys pressed through the control socket or TlxSimPressKeys

    // SIP line.
    bool sip = false;
    unsigned sipCall = 0;          ///< numbers the channel's calls, so that late events of an ended one are ignored
    std::shared_ptr<RtpStream> rtp; ///< the media of the call in progress
    bool mediaOn = false;          ///< answered: packets go out every 20 ms
    Ms mediaFrom = 0;              ///< the start of the next packet's 20 ms
    Ms lastRx = 0;                 ///< when the far end's RTP last arrived
    std::deque<std::uint8_t> rxQueue; ///< the far end's audio (A-law) not yet relayed to a bridged line
    std::vector<PlayedPiece> received; ///< the far end's audio while recording

    // Trunk line.
    int voltage = 0;
    bool polarityLine = false;
    int reversals = 0;
    LineSound line;
    bool seized = false;
    Ms seizedAt = 0;
    std::vector<Ms> digitEnds;     ///< when each digit of the current dialling is out
    bool autoDial = false;
    bool dialling = false;
    Ms dialBegin = kForever, dialDone = kForever, manualDialDue = kForever;
    std::string dialled;
    bool farEndStarted = false;
    ScriptRunner farEnd;
    std::vector<PlayedPiece> heard;
    std::string heardFile;
    bool recording = false;
    std::string recordPath;
    Ms recordStart = 0;
    std::string recordFailure; ///< why the last recording could not be written, until it is stopped

    // Station telephone.
    int hook = 0;
    bool ringing = false;
    std::string callerId;
    int flashCount = 0;
    int sentTone = 0;
    ScriptRunner ringScript;
    ScriptRunner ownCalls;

    Ms nextDue() const
    {
        Ms d = std::min({farEnd.due, ringScript.due, ownCalls.due, manualKeys.due, manualDialDue});
        if (dialling)
            d = std::min({d, dialBegin, dialDone});
        return d;
    }
};

} // namespace ktdrv
