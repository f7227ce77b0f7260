// Which controls of the board page a model shows or enables, and the value mappings of its lists.
#pragma once

#include "ktcticonfig/model/BoardRecord.h"

#include <string>

namespace ktcticonfig {

struct BoardPageControls
{
    bool channelBank = false;      ///< "Use ChannelBank:"
    bool ipLists = false;          ///< "Protocal Type", "DTMF Receive Type"
    bool faxChannels = false;      ///< "Maximum fax channels:"
    bool dspWorkMode = false;      ///< soft-fax / GSM / MP3
    bool compressCodec = false;    ///< "Compress Dsp Codec:"
    bool toneAndBargeIn = false;   ///< "Enable Tone Detector", "Always Detect BargeIn"
    bool spyMode = false;          ///< "Run in Spy Mode"
    bool spySync = false;          ///< "Spy Sync and Signalling Mode"
    bool interfaceEnabled = false; ///< "Interface:" E1/T1/J1
    bool serialEnabled = true;     ///< off for boards addressed by I/O port
};

BoardPageControls boardPageControls(const BoardRecord &board);

/// "Compress Dsp Codec:" entry of a DspCoder value and back: 0 G729A (131), 1 GSM (49), 2 MP3 8K (85),
/// 3 MP3 16K (86).
int dspCoderEntry(int dspCoder);
int dspCoderOfEntry(int entry);

/// Models 65 and 74 have no hardware MP3 codec: entries 2 and 3 are refused for them.
bool refusesMp3(int code, int entry);
inline constexpr const char *kNoMp3Text =
    "The PCI 2-E1/T1 and 4-E1/T1 monitoring boards do not support the hardware MP3 codec; the series 2 ISDN "
    "trunk boards do.";

} // namespace ktcticonfig
