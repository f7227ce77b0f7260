// The software board: channels, far ends, telephones, clock and log behind the Tlx functions.
#pragma once

#include "ktdrv/src/BoardConfig.h"
#include "ktdrv/src/Channel.h"
#include "ktdrv/src/DriverLog.h"
#include "ktdrv/src/SimClock.h"
#include "ktdrv/src/SimConfig.h"
#include "ktdrv/src/SipConfig.h"

#include <memory>
#include <string>
#include <vector>

namespace ktdrv {

class LiveLogBlock;
class ControlSocket;
class MediaClock;
class SipStack;

class Board
{
public:
    Board();
    ~Board();

    SimClock &clock() { return m_clock; }
    DriverLog &log() { return m_log; }
    std::string &lastError() { return m_lastError; }

    int start(const std::string &configPath, const std::string &indexPath);
    void close();
    /// Hands the control socket over so that it can be stopped without the board lock held.
    std::unique_ptr<ControlSocket> detachControl();
    /// Hands the media clock over so that it can be stopped without the board lock held.
    std::unique_ptr<MediaClock> detachMedia();
    /// Sends and receives the RTP of every answered SIP call (the media clock's tick, under the lock).
    void mediaTick();
    /// Whether the lines are SIP lines, the signalling port and the registration as text.
    bool sipMode() const { return m_sipStack != nullptr; }
    int sipLocalPort() const;
    std::string sipRegistration() const;
    bool started() const { return m_started; }
    // SIP lines stand for one board, whatever KtConfig.ini lists.
    int configuredBoards() const { return m_started ? (sipMode() ? 1 : static_cast<int>(m_config.boards.size())) : 0; }
    int usableBoards() const { return m_started ? m_usable : 0; }
    int channelCount() const { return m_started ? static_cast<int>(m_channels.size()) : 0; }

    /// The channel, after bringing the board up to the present; null when ch is out of range.
    Channel *channel(int ch);
    Ms now() const { return m_now; }
    /// Brings every channel up to the clock (real time) or to `target` (virtual time).
    void advanceTo(Ms target);
    void sync();
    /// Applies a waiting live-log request now.
    void pollLiveLog();

    // Trunk line.
    int pickup(int ch);
    int hangup(int ch);
    int dial(int ch, const std::string &digits, bool autoDial);
    // Playing.
    int play(int ch, std::vector<PlayItem> items);
    int playIndex(int ch, const std::string &names);
    int stopPlay(int ch);
    int setPlayDest(int ch, int destination);
    // Stations.
    int startRing(int ch, const std::string &callerId);
    int stopRing(int ch);
    int setHook(int ch, bool offHook);
    int flash(int ch);
    int sendTone(int ch, int kind);
    int pressKeys(int ch, const std::string &digits);
    // Bridging and recording.
    int talkWith(int a, int b);
    int stopTalkWith(int a, int b);
    int recordToFile(int ch, const std::string &path);
    int stopRecord(int ch);
    /// One line per channel.
    std::string stateText();
    /// Applies a control-socket command line; returns the reply.
    std::string command(const std::string &line);
    const ToneTiming &tones() const { return m_config.tones; }

private:
    void process(int ch, Ms t);
    void farEndStep(int ch, Ms t);
    void stationStep(int ch, ScriptRunner &runner, Ms t);
    bool keyStep(int ch, ScriptRunner &runner, const ScriptStep &step, Ms t);
    void deliverKey(int ch, char digit, Ms t);
    void seize(Channel &c, Ms t);
    void release(int ch, Ms t, const char *why);
    void startFarEnd(int ch, Ms t);
    void offHook(int ch, Ms t);
    void onHook(int ch, Ms t);
    void collectPlayed(int ch, std::vector<PlayedPiece> &pieces);
    /// Hands what a channel played so far to whoever heard it, before its bridge or destination changes.
    void settlePlayed(int ch, Ms t);
    void finishRecording(int ch, Ms t);
    void refreshDue();
    void finishStart(const std::string &missing);
    int startSip(const SipConfig &sip);
    void sipCall(int ch, const std::string &uri, Ms t, const std::string &displayName = {}, bool direct = false);
    void sipEnd(int ch);
    std::string sipUriFor(const std::string &digits) const;
    void sipEvents(Ms t);
    /// A SIP telephone that will not answer (busy, declined, unreachable) rings no more.
    static void stopRinging(Channel &c);
    void mediaReceive(int ch, Ms t);
    void mediaSend(int ch, Ms t);

    SimClock m_clock;
    DriverLog m_log;
    std::string m_lastError;
    bool m_started = false;
    BoardConfig m_config;
    SimConfig m_sim;
    VoiceIndex m_index;
    int m_usable = 0;
    std::vector<Channel> m_channels;
    Ms m_now = 0;
    Ms m_startedAt = 0;
    Ms m_nextDue = kForever;
    unsigned m_callSerial = 0;
    unsigned m_syncCount = 0;
    std::unique_ptr<LiveLogBlock> m_liveLog;
    std::unique_ptr<ControlSocket> m_control;
    SipConfig m_sipConfig;
    std::unique_ptr<SipStack> m_sipStack;
    std::unique_ptr<MediaClock> m_mediaClock;
};

} // namespace ktdrv
