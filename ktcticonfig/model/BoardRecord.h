// One board of the board list: model code, identity, class flags, PCM links and the option texts of
// its [BoardId=n] section.
#pragma once

#include "ktcticonfig/model/BoardOptions.h"

#include <cstdint>
#include <vector>

namespace ktcticonfig {

/// One E1/T1 link of a digital trunk or monitoring board.
struct PcmLink
{
    std::uint8_t signalling = 1; ///< 0 ISDN user side, 1 SS1, 2 ISDN network side, 7 SS7
    std::int32_t ss7SignalingTs = 16;
    std::uint32_t ss7CircuitMap = 0xFFFFFFFFu;
    std::uint8_t clockMode = 0;
    std::uint8_t linkType = 1;
    std::uint8_t callInFirstTs = 0;
    std::uint8_t callInCount = 0;
    std::int32_t enableAutoCall = 1;
    std::int32_t useTs16AsCircuit = 0;
    bool operator==(const PcmLink &) const = default;
};

/// Class flags derived from the model code (and channel-bank use).
struct BoardFlags
{
    bool isa = false;
    bool voice = false;
    bool recording = false;
    bool monitoring = false;
    bool ip = false;
    bool ipSecond = false;
    bool digital = false;
    bool resource = false;
    bool operator==(const BoardFlags &) const = default;

    bool hasPcmLinks() const { return digital || monitoring; }
};

inline constexpr int kMaxBoards = 20;
inline constexpr int kMaxPcmsPerBoard = 16;

/// Board state values used by the Detect button.
inline constexpr int kBoardStateListed = -1;
inline constexpr int kBoardStateWaiting = 1;
inline constexpr int kBoardStateMatched = 3;

struct BoardRecord
{
    int modelCode = 0;
    std::uint32_t serialNumber = 0;
    std::int32_t ioBasePort = 0x240;
    int state = 0;
    BoardFlags flags;
    std::uint16_t channelCount = 0;
    std::uint16_t usedChannels = 0;
    std::int32_t usageMode = 0;
    std::int32_t spySync = 0;
    std::uint32_t subType = 0; ///< from detection; decides the channel count of some models
    std::vector<PcmLink> pcms;
    BoardOptions options;
    bool operator==(const BoardRecord &) const = default;
};

} // namespace ktcticonfig
