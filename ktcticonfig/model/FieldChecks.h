// The checks the option pages run on a field when the user leaves it, and the rules of their stores,
// without widgets.
#pragma once

#include "ktcticonfig/model/GlobalSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ktcticonfig {

/// A number field's range; outside it the user is told `message` and the field becomes `fallback`.
struct RangeCheck
{
    std::int64_t low;
    std::int64_t high;
    std::int64_t fallback;
    std::string_view message;
};

/// The value to put back when the field's number lies outside the range; nothing when it is inside.
std::optional<std::int64_t> rangeRepair(const RangeCheck &check, std::string_view text);

/// "Global Voice Options".
inline constexpr RangeCheck kMaxPlayFileListCheck{0, 65535, 256, "MaxPlayFileList out of range! Valid range: 0-65535."};
inline constexpr RangeCheck kMaxPlayIndexListCheck{0, 65535, 256,
                                                   "MaxPlayIndexList out of range! Valid range: 0-65535."};
inline constexpr RangeCheck kMaxPlayMemListCheck{0, 65535, 256, "MaxPlayMemList out of range! Valid range: 0-65535."};
inline constexpr RangeCheck kPrerecordInsertCheck{0, 1000, 500, "Parameter out of range! Valid number: 0-1000"};
inline constexpr RangeCheck kMaxActiveTalkerCheck{0, 6, 6, "Out Of Range!"};

/// The AGC dialog.
inline constexpr RangeCheck kAgcMaxGainCheck{1, 255, 255, "AGCMaxGain out of range! legal value:1-255"};
inline constexpr RangeCheck kAgcMinGainCheck{1, 255, 6, "AGCMinGain out of range! legal value:1-255"};

/// The spy page's PCM numbers.
inline constexpr RangeCheck kSpyPcmCheck{0, 1000, 0, "Parameter out of range! Valid number: 0-1000"};

/// The message that refuses a monitored PCM pair ("Pcm1,Pcm2", each 0..1000), or empty.
std::string checkSpyPcmPair(std::string_view pair);

/// True when one of the monitored circuits ("pcm,first,last") is on a PCM of the pair ("Pcm1,Pcm2").
bool spyPcmInUse(std::string_view pair, const std::vector<ListRow> &circuits);

/// The pre-recording codecs of the "Pre-record CODEC:" list, in list order.
inline constexpr int kPrerecordCodecs[] = {6, 7, 17, 49, 85};

/// Finishes the store of "Global Voice Options" after its fields were copied: without pre-recording
/// PrerecordMode keeps the value it had before (`before`); an event output mode outside 0..2 becomes
/// 1; the play list limits are kept as 16-bit values.
void finishGlobalVoiceStore(GlobalSettings &settings, const GlobalSettings &before);

/// The self-defined tone switch of a tone detector: 0, 1 and 2 stand; any other value becomes 0.
int selfDefinedToneSwitch(std::string_view text);

} // namespace ktcticonfig
