// The national tone plans of the tone detector page's area selector, what choosing one does to the
// tone settings, and the names and presets of tone detector items.
#pragma once

#include "ktcticonfig/model/GlobalSettings.h"
#include "ktcticonfig/model/ToneDetectorItem.h"

#include <cstdint>
#include <span>
#include <string>

namespace ktcticonfig {

struct ToneArea
{
    const char *name;
    std::uint32_t busyF1, busyF2;
    double busyOn, busyOff; ///< seconds
    std::uint32_t dialF1, dialF2;
    std::uint32_t ringF1, ringF2;
    double ringOn, ringOff; ///< seconds
};

inline constexpr std::size_t kToneAreaCount = 181;

/// Entry 0 "Default", then the countries and territories from "Albania" to "Zimbabwe" (ToneAreaTable.cpp).
std::span<const ToneArea> toneAreas();

/// Fills TonePara, BusyTonePeriod, RingEchoTonePara and the tone detector items from area `area`
/// (0..180; anything else changes nothing) and makes it CurArea.
void applyToneArea(GlobalSettings &settings, int area);

/// The fields of a tone detector item by name.
enum ToneItemField
{
    kToneMode,
    kToneF1,
    kToneF2,
    kToneF3,
    kToneT1,
    kToneT2,
    kToneT3,
    kToneHighFilter,
    kToneLowFilter,
    kToneFreqErr,
    kToneBandRatio,
    kToneLevelErr,
    kTonePeriodEndMode,
    kTonePeriodCount,
    kTonePeriodClearTime,
    kToneType,
    kTonePopDriver,
    kToneStopDetect,
    kToneWorkCondition,
};

/// The column names of the item list, field order.
std::span<const char *const> toneItemColumnNames();
/// The text of the tone column: "Dial", "Busy", "Echo", "Fax F1", "Fax F2" or the number.
std::string toneTypeText(std::uint32_t type);
/// The text of the mode column: "Continue", "Period", "SIT" or the number.
std::string toneModeText(std::uint32_t mode);

/// The entries of the item dialog's "Tone Type:" list: Dial, Busy, Echo, FAX F1, FAX F2, Appointed.
inline constexpr int kAppointedToneEntry = 5;
/// The list entry of a tone type (types other than 1, 2, 3, 7 and 8 are self-defined: Appointed).
int toneTypeEntry(std::uint32_t type);
/// Gives the item the preset of a list entry (Appointed keeps the values and the type number).
void applyToneTypePreset(ToneDetectorItem &item, int entry);

} // namespace ktcticonfig
