// Control rules of the board page.
#include "ktcticonfig/app/BoardPageRules.h"

#include "ktcticonfig/model/ModelRules.h"

#include <algorithm>
#include <array>

namespace ktcticonfig {

namespace {

template <std::size_t N> bool oneOf(int code, const std::array<int, N> &codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

constexpr std::array<int, 21> kFaxChannelModels = {24, 25,  27,  38,  40,  41,  43,  47,  76,  77, 80,
                                                   81, 105, 108, 111, 114, 117, 120, 123, 126, 135};
constexpr std::array<int, 4> kDspWorkModeModels = {25, 38, 47, 76};
constexpr std::array<int, 12> kCompressCodecModels = {65, 74, 83, 85, 94, 96, 98, 100, 102, 128, 130, 132};
constexpr std::array<int, 4> kDspCoders = {131, 49, 85, 86};

bool interfaceModel(int code)
{
    return code >= 62 && code <= 134 && !(code >= 75 && code <= 79) && !(code >= 82 && code <= 85) &&
           !(code >= 88 && code <= 96) && code != 133;
}

} // namespace

BoardPageControls boardPageControls(const BoardRecord &board)
{
    const int code = board.modelCode;
    const BoardFlags &f = board.flags;
    // A trunk board in channel-bank use counts as a voice board: its model still says it is a trunk.
    const bool trunkModel = f.digital || (board.usageMode == 1 && channelBankChannels(code) != 0);
    BoardPageControls c;
    c.channelBank = channelBankChannels(code) != 0;
    c.ipLists = f.ip;
    c.faxChannels = oneOf(code, kFaxChannelModels);
    c.dspWorkMode = oneOf(code, kDspWorkModeModels);
    c.compressCodec = oneOf(code, kCompressCodecModels);
    c.toneAndBargeIn = trunkModel || f.ip;
    c.spyMode = f.digital && std::any_of(board.pcms.begin(), board.pcms.end(),
                                         [](const PcmLink &p) { return p.signalling == 1 || p.signalling == 7; });
    c.spySync = trunkModel;
    c.interfaceEnabled = interfaceModel(code) && board.usageMode == 0;
    c.serialEnabled = !f.isa;
    return c;
}

int dspCoderEntry(int dspCoder)
{
    for (std::size_t i = 1; i < kDspCoders.size(); ++i)
        if (kDspCoders[i] == dspCoder)
            return static_cast<int>(i);
    return 0;
}

int dspCoderOfEntry(int entry)
{
    return entry >= 0 && entry < static_cast<int>(kDspCoders.size()) ? kDspCoders[static_cast<std::size_t>(entry)]
                                                                     : kDspCoders[0];
}

bool refusesMp3(int code, int entry)
{
    return (code == 65 || code == 74) && (entry == 2 || entry == 3);
}

} // namespace ktcticonfig
