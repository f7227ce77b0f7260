// The Board calls as Tlx calls, with the arguments the server always gives them.
#include "server/board/TlxBoard.h"

#include "ktdrv/TlxApi.h"

#include "common/Gbk.h"

#include <cstring>

namespace server {

namespace {

// Reads a zero-terminated text the driver wrote into a buffer of the given size.
template <std::size_t N, typename F> std::string readText(F fill)
{
    char buffer[N + 1] = {};
    fill(buffer);
    buffer[N] = '\0';
    return std::string(buffer, strnlen(buffer, N));
}

// Voice files are A-law, played whole.
constexpr int kAlaw = 6;

} // namespace

std::int32_t TlxBoard::StartCti(const std::string &configPath, const std::string &indexPath)
{
    return TlxStartCti(configPath.c_str(), indexPath.c_str());
}

std::string TlxBoard::GetLastErrMsg()
{
    // The driver's texts are GBK, but the file paths in them are the system's bytes (UTF-8).
    return common::anyToUtf8(readText<200>([](char *b) { TlxGetLastErrMsg(b); }));
}

std::int32_t TlxBoard::CloseCti() { return TlxCloseCti(); }
std::int32_t TlxBoard::GetMaxCfgBoard() { return TlxGetMaxCfgBoard(); }
std::int32_t TlxBoard::GetMaxUsableBoard() { return TlxGetMaxUsableBoard(); }
std::int32_t TlxBoard::GetMaxCh() { return TlxGetMaxCh(); }
std::int32_t TlxBoard::GetChType(int ch) { return TlxGetChType(ch); }
std::int32_t TlxBoard::SetBargeInSens(int ch, std::int32_t v) { return TlxSetBargeInSens(ch, v); }
std::int32_t TlxBoard::SetTxDtmfPara(int ch, std::int32_t t, std::int32_t p) { return TlxSetTxDtmfPara(ch, t, p); }
std::int32_t TlxBoard::ClearToneAnalyzeResult(int ch) { return TlxClearToneAnalyzeResult(ch); }
std::int32_t TlxBoard::Clear2ndToneAnalyzeResult(int ch) { return TlxClear2ndToneAnalyzeResult(ch); }
std::int32_t TlxBoard::GetLineVoltage(int ch) { return TlxGetLineVoltage(ch); }
std::int32_t TlxBoard::GetChState(int ch) { return TlxGetChState(ch); }

std::string TlxBoard::GetCallerId(int ch)
{
    return readText<32>([ch](char *b) { TlxGetCallerId(ch, b); });
}

std::int32_t TlxBoard::GetHookState(int ch) { return TlxGetHookState(ch); }
std::int32_t TlxBoard::GetFlashCount(int ch) { return TlxGetFlashCount(ch); }
std::int32_t TlxBoard::ChkAutoDial(int ch) { return TlxChkAutoDial(ch); }
std::int32_t TlxBoard::ChkTxDtmf(int ch) { return TlxChkTxDtmf(ch); }
std::int32_t TlxBoard::GetNoSoundTime(int ch) { return TlxGetNoSoundTime(ch); }
std::int32_t TlxBoard::GetToneValue(int ch) { return TlxGetToneValue(ch); }
std::int32_t TlxBoard::GetToneAnalyzeResult(int ch) { return TlxGetToneAnalyzeResult(ch); }
std::int32_t TlxBoard::Get2ndToneAnalyzeResult(int ch) { return TlxGet2ndToneAnalyzeResult(ch); }
std::int32_t TlxBoard::GetPolarRvrsCount(int ch) { return TlxGetPolarRvrsCount(ch); }

std::string TlxBoard::Get1stDtmfClr(int ch)
{
    return readText<32>([ch](char *b) { TlxGet1stDtmfClr(ch, b); });
}

std::int32_t TlxBoard::ClearRxDtmfBuf(int ch) { return TlxClearRxDtmfBuf(ch); }
std::int32_t TlxBoard::PlayFile(int ch, const std::string &path) { return TlxPlayFile(ch, path.c_str(), kAlaw, 0, -1); }
std::int32_t TlxBoard::ClearFileList(int ch) { return TlxClearFileList(ch); }

std::int32_t TlxBoard::AddToFileList(int ch, const std::string &path)
{
    return TlxAddToFileList(ch, path.c_str(), kAlaw, 0, -1);
}

std::int32_t TlxBoard::PlayFileList(int ch) { return TlxPlayFileList(ch); }
std::int32_t TlxBoard::PlayIndexString(int ch, const std::string &names) { return TlxPlayIndexString(ch, names.c_str()); }
std::int32_t TlxBoard::CheckPlay(int ch) { return TlxCheckPlay(ch); }
std::int32_t TlxBoard::StopPlay(int ch) { return TlxStopPlay(ch); }
std::int32_t TlxBoard::SetDtmfStopPlay(int ch, std::int32_t flag) { return TlxSetDtmfStopPlay(ch, flag); }
std::int32_t TlxBoard::SetPlayDest(int ch, std::int32_t dest) { return TlxSetPlayDest(ch, dest); }
std::int32_t TlxBoard::Pickup(int ch) { return TlxPickup(ch); }
std::int32_t TlxBoard::Hangup(int ch) { return TlxHangup(ch); }
std::int32_t TlxBoard::AutoDial(int ch, const std::string &digits) { return TlxAutoDial(ch, digits.c_str()); }
std::int32_t TlxBoard::TxDtmf(int ch, const std::string &digits) { return TlxTxDtmf(ch, digits.c_str()); }
std::int32_t TlxBoard::StartRing(int ch) { return TlxStartRing(ch); }

std::int32_t TlxBoard::StartRingWithCIDStr(int ch, const std::string &callerId)
{
    return TlxStartRingWithCIDStr(ch, callerId.c_str(), static_cast<int>(callerId.size()), 1000);
}

std::int32_t TlxBoard::StopRing(int ch) { return TlxStopRing(ch); }
std::int32_t TlxBoard::SendTone(int ch, std::int32_t kind) { return TlxSendTone(ch, kind); }
std::int32_t TlxBoard::StopSendTone(int ch) { return TlxStopSendTone(ch); }
std::int32_t TlxBoard::TalkWith(int ch, int other) { return TlxTalkWith(ch, other); }
std::int32_t TlxBoard::StopTalkWith(int ch, int other) { return TlxStopTalkWith(ch, other); }
std::int32_t TlxBoard::SetRecMixer(int ch, std::int32_t a, std::int32_t b) { return TlxSetRecMixer(ch, a, b); }

std::int32_t TlxBoard::RecToFile(int ch, const std::string &path)
{
    return TlxRecToFile(ch, path.c_str(), 17, 0, -1, -1, 0);
}

std::int32_t TlxBoard::StopRecToFile(int ch) { return TlxStopRecToFile(ch); }

} // namespace server
