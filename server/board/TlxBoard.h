// The board of the server: the Board calls passed on to the board driver library's Tlx functions.
#pragma once

#include "server/engine/Board.h"

namespace server {

class TlxBoard : public Board
{
public:
    std::int32_t StartCti(const std::string &configPath, const std::string &indexPath) override;
    std::string GetLastErrMsg() override;
    std::int32_t CloseCti() override;
    std::int32_t GetMaxCfgBoard() override;
    std::int32_t GetMaxUsableBoard() override;
    std::int32_t GetMaxCh() override;
    std::int32_t GetChType(int ch) override;
    std::int32_t SetBargeInSens(int ch, std::int32_t sensitivity) override;
    std::int32_t SetTxDtmfPara(int ch, std::int32_t toneMs, std::int32_t pauseMs) override;
    std::int32_t ClearToneAnalyzeResult(int ch) override;
    std::int32_t Clear2ndToneAnalyzeResult(int ch) override;
    std::int32_t GetLineVoltage(int ch) override;
    std::int32_t GetChState(int ch) override;
    std::string GetCallerId(int ch) override;
    std::int32_t GetHookState(int ch) override;
    std::int32_t GetFlashCount(int ch) override;
    std::int32_t ChkAutoDial(int ch) override;
    std::int32_t ChkTxDtmf(int ch) override;
    std::int32_t GetNoSoundTime(int ch) override;
    std::int32_t GetToneValue(int ch) override;
    std::int32_t GetToneAnalyzeResult(int ch) override;
    std::int32_t Get2ndToneAnalyzeResult(int ch) override;
    std::int32_t GetPolarRvrsCount(int ch) override;
    std::string Get1stDtmfClr(int ch) override;
    std::int32_t ClearRxDtmfBuf(int ch) override;
    std::int32_t PlayFile(int ch, const std::string &path) override;
    std::int32_t ClearFileList(int ch) override;
    std::int32_t AddToFileList(int ch, const std::string &path) override;
    std::int32_t PlayFileList(int ch) override;
    std::int32_t PlayIndexString(int ch, const std::string &names) override;
    std::int32_t CheckPlay(int ch) override;
    std::int32_t StopPlay(int ch) override;
    std::int32_t SetDtmfStopPlay(int ch, std::int32_t flag) override;
    std::int32_t SetPlayDest(int ch, std::int32_t dest) override;
    std::int32_t Pickup(int ch) override;
    std::int32_t Hangup(int ch) override;
    std::int32_t AutoDial(int ch, const std::string &digits) override;
    std::int32_t TxDtmf(int ch, const std::string &digits) override;
    std::int32_t StartRing(int ch) override;
    std::int32_t StartRingWithCIDStr(int ch, const std::string &callerId) override;
    std::int32_t StopRing(int ch) override;
    std::int32_t SendTone(int ch, std::int32_t kind) override;
    std::int32_t StopSendTone(int ch) override;
    std::int32_t TalkWith(int ch, int other) override;
    std::int32_t StopTalkWith(int ch, int other) override;
    std::int32_t SetRecMixer(int ch, std::int32_t a, std::int32_t b) override;
    std::int32_t RecToFile(int ch, const std::string &path) override;
    std::int32_t StopRecToFile(int ch) override;
};

} // namespace server
