// The telephony board as the server sees it: the driver functions it calls, one method each.
#pragma once

#include <cstdint>
#include <string>

namespace server {

/// The board driver. Channel functions take the channel number (0..N-1) first and return the driver's
/// 32-bit result, which the server ignores unless it says otherwise.
class Board
{
public:
    virtual ~Board() = default;

    /// 0 when the driver started with the two configuration files.
    virtual std::int32_t StartCti(const std::string &configPath, const std::string &indexPath) = 0;
    /// The driver's text of its last failure.
    virtual std::string GetLastErrMsg() = 0;
    virtual std::int32_t CloseCti() = 0;
    virtual std::int32_t GetMaxCfgBoard() = 0;
    virtual std::int32_t GetMaxUsableBoard() = 0;
    virtual std::int32_t GetMaxCh() = 0;

    /// 0 trunk, 2 SLIC (station), anything else unused.
    virtual std::int32_t GetChType(int ch) = 0;
    virtual std::int32_t SetBargeInSens(int ch, std::int32_t sensitivity) = 0;
    virtual std::int32_t SetTxDtmfPara(int ch, std::int32_t toneMs, std::int32_t pauseMs) = 0;
    virtual std::int32_t ClearToneAnalyzeResult(int ch) = 0;
    virtual std::int32_t Clear2ndToneAnalyzeResult(int ch) = 0;

    // Line and call state.
    virtual std::int32_t GetLineVoltage(int ch) = 0;
    /// 0 idle; 2 ringing in, with a caller ID to read.
    virtual std::int32_t GetChState(int ch) = 0;
    virtual std::string GetCallerId(int ch) = 0;
    /// 0 on-hook, 1 off-hook.
    virtual std::int32_t GetHookState(int ch) = 0;
    /// Changes with every flash.
    virtual std::int32_t GetFlashCount(int ch) = 0;
    /// Dialling status: 0 once the digits are sent.
    virtual std::int32_t ChkAutoDial(int ch) = 0;
    virtual std::int32_t ChkTxDtmf(int ch) = 0;
    /// Milliseconds of the current silence.
    virtual std::int32_t GetNoSoundTime(int ch) = 0;
    /// Bit 15 clear: a tone, set: silence; the low 14 bits: its length in ms.
    virtual std::int32_t GetToneValue(int ch) = 0;
    /// 1 dial tone, 2 busy, 3 ring-back, 6 answer cue (first analyser only).
    virtual std::int32_t GetToneAnalyzeResult(int ch) = 0;
    virtual std::int32_t Get2ndToneAnalyzeResult(int ch) = 0;
    /// Polarity reversals of this call: 1 answered, 2 the far end has gone.
    virtual std::int32_t GetPolarRvrsCount(int ch) = 0;
    /// The oldest key received, taken from the buffer; empty when none.
    virtual std::string Get1stDtmfClr(int ch) = 0;
    virtual std::int32_t ClearRxDtmfBuf(int ch) = 0;

    // Playing.
    virtual std::int32_t PlayFile(int ch, const std::string &path) = 0;
    virtual std::int32_t ClearFileList(int ch) = 0;
    virtual std::int32_t AddToFileList(int ch, const std::string &path) = 0;
    virtual std::int32_t PlayFileList(int ch) = 0;
    /// Plays segments named in KtIndex.ini, given comma-separated.
    virtual std::int32_t PlayIndexString(int ch, const std::string &names) = 0;
    /// 1 or 2 once the playback has ended.
    virtual std::int32_t CheckPlay(int ch) = 0;
    virtual std::int32_t StopPlay(int ch) = 0;
    /// 1: a key stops the playback.
    virtual std::int32_t SetDtmfStopPlay(int ch, std::int32_t flag) = 0;
    virtual std::int32_t SetPlayDest(int ch, std::int32_t dest) = 0;

    // Line control and dialling.
    virtual std::int32_t Pickup(int ch) = 0;
    virtual std::int32_t Hangup(int ch) = 0;
    virtual std::int32_t AutoDial(int ch, const std::string &digits) = 0;
    virtual std::int32_t TxDtmf(int ch, const std::string &digits) = 0;

    // Station channels.
    virtual std::int32_t StartRing(int ch) = 0;
    virtual std::int32_t StartRingWithCIDStr(int ch, const std::string &callerId) = 0;
    virtual std::int32_t StopRing(int ch) = 0;
    virtual std::int32_t SendTone(int ch, std::int32_t kind) = 0;
    virtual std::int32_t StopSendTone(int ch) = 0;

    // Bridging and recording.
    virtual std::int32_t TalkWith(int ch, int other) = 0;
    virtual std::int32_t StopTalkWith(int ch, int other) = 0;
    virtual std::int32_t SetRecMixer(int ch, std::int32_t a, std::int32_t b) = 0;
    virtual std::int32_t RecToFile(int ch, const std::string &path) = 0;
    virtual std::int32_t StopRecToFile(int ch) = 0;
};

} // namespace server
