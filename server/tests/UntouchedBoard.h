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
};

} // namespace server::testing
