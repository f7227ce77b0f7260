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
};

} // namespace server
