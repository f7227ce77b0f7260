// A board for start-up paths that must end before the board is reached: it counts every call.
#pragma once

#include "server/engine/Board.h"

namespace server::testing {

class UntouchedBoard : public Board
{
public:
    int calls = 0;

    std::int32_t StartCti(const std::string &, const std::string &) override { return ++calls, -1; }
    std::string GetLastErrMsg() override { return ++calls, "not a board"; }
    std::int32_t CloseCti() override { return ++calls, 0; }
    std::int32_t GetMaxCfgBoard() override { return ++calls, 0; }
    std::int32_t GetMaxUsableBoard() override { return ++calls, 0; }
    std::int32_t GetMaxCh() override { return ++calls, 0; }
    std::int32_t GetChType(int) override { return ++calls, -1; }
    std::int32_t SetBargeInSens(int, std::int32_t) override { return ++calls, -1; }
    std::int32_t SetTxDtmfPara(int, std::int32_t, std::int32_t) override { return ++calls, -1; }
    std::int32_t ClearToneAnalyzeResult(int) override { return ++calls, -1; }
    std::int32_t Clear2ndToneAnalyzeResult(int) override { return ++calls, -1; }
    std::int32_t GetLineVoltage(int) override { return ++calls, -1; }
    std::int32_t GetChState(int) override { return ++calls, -1; }
    std::string GetCallerId(int) override { return ++calls, ""; }
    std::int32_t GetHookState(int) override { return ++calls, -1; }
    std::int32_t GetFlashCount(int) override { return ++calls, -1; }
    std::int32_t ChkAutoDial(int) override { return ++calls, -1; }
    std::int32_t ChkTxDtmf(int) override { return ++calls, -1; }
    std::int32_t GetNoSoundTime(int) override { return ++calls, -1; }
    std::int32_t GetToneValue(int) override { return ++calls, -1; }
    std::int32_t GetToneAnalyzeResult(int) override { return ++calls, -1; }
    std::int32_t Get2ndToneAnalyzeResult(int) override { return ++calls, -1; }
    std::int32_t GetPolarRvrsCount(int) override { return ++calls, -1; }
    std::string Get1stDtmfClr(int) override { return ++calls, ""; }
    std::int32_t ClearRxDtmfBuf(int) override { return ++calls, -1; }
    std::int32_t PlayFile(int, const std::string &) override { return ++calls, -1; }
    std::int32_t ClearFileList(int) override { return ++calls, -1; }
    std::int32_t AddToFileList(int, const std::string &) override { return ++calls, -1; }
    std::int32_t PlayFileList(int) override { return ++calls, -1; }
    std::int32_t PlayIndexString(int, const std::string &) override { return ++calls, -1; }
    std::int32_t CheckPlay(int) override { return ++calls, -1; }
    std::int32_t StopPlay(int) override { return ++calls, -1; }
    std::int32_t SetDtmfStopPlay(int, std::int32_t) override { return ++calls, -1; }
    std::int32_t SetPlayDest(int, std::int32_t) override { return ++calls, -1; }
    std::int32_t Pickup(int) override { return ++calls, -1; }
    std::int32_t Hangup(int) override { return ++calls, -1; }
    std::int32_t AutoDial(int, const std::string &) override { return ++calls, -1; }
    std::int32_t TxDtmf(int, const std::string &) override { return ++calls, -1; }
    std::int32_t StartRing(int) override { return ++calls, -1; }
    std::int32_t StartRingWithCIDStr(int, const std::string &) override { return ++calls, -1; }
    std::int32_t StopRing(int) override { return ++calls, -1; }
    std::int32_t SendTone(int, std::int32_t) override { return ++calls, -1; }
    std::int32_t StopSendTone(int) override { return ++calls, -1; }
    std::int32_t TalkWith(int, int) override { return ++calls, -1; }
    std::int32_t StopTalkWith(int, int) override { return ++calls, -1; }
    std::int32_t SetRecMixer(int, std::int32_t, std::int32_t) override { return ++calls, -1; }
    std::int32_t RecToFile(int, const std::string &) override { return ++calls, -1; }
    std::int32_t StopRecToFile(int) override { return ++calls, -1; }
};

} // namespace server::testing
