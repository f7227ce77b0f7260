// Area selection and the names and presets of tone detector items.
#include "ktcticonfig/model/ToneAreas.h"

#include <cmath>
#include <cstdio>

namespace ktcticonfig {

namespace {

std::uint32_t ms(double seconds)
{
    return static_cast<std::uint32_t>(std::lround(seconds * 1000.0));
}

constexpr const char *kColumns[] = {"Mode",
                                    "F1",
                                    "F2",
                                    "F3",
                                    "T1",
                                    "T2",
                                    "T3",
                                    "HighFilterPoint",
                                    "LowFilterPoint",
                                    "FrqErr",
                                    "InBandEnergyRatio",
                                    "DtrTimeErrRatio",
                                    "PeriodEndMode",
                                    "PeriodCnt",
                                    "PeriodClrTime",
                                    "Tone",
                                    "PopDriver",
                                    "StopDetect",
                                    "WorkCondition"};

constexpr std::uint32_t kEntryTypes[] = {1, 2, 3, 7, 8};

} // namespace

void applyToneArea(GlobalSettings &settings, int area)
{
    if (area < 0 || area >= static_cast<int>(kToneAreaCount))
        return;
    const ToneArea &a = toneAreas()[static_cast<std::size_t>(area)];
    char text[64];
    std::snprintf(text, sizeof text, "%u,80,%u,%u,50", a.dialF1, a.dialF2, a.dialF2 != 0 ? 80u : 0u);
    settings.setText("SystemConfig", "TonePara", text);
    settings.setText("SystemConfig", "BusyTonePeriod", std::to_string(ms(a.busyOn) + ms(a.busyOff)));
    std::snprintf(text, sizeof text, "%u,%u", ms(a.ringOn), ms(a.ringOff));
    settings.setText("SystemConfig", "RingEchoTonePara", text);
    settings.setSystem("CurArea", area);

    auto items = builtInToneDetectorItems();
    items[0].fields[kToneF1] = a.dialF1;
    items[0].fields[kToneF2] = a.dialF2;
    items[1].fields[kToneF1] = a.busyF1;
    items[1].fields[kToneF2] = a.busyF2;
    items[1].fields[kToneT1] = ms(a.busyOn);
    items[1].fields[kToneT2] = ms(a.busyOff);
    items[2].fields[kToneF1] = a.ringF1;
    items[2].fields[kToneF2] = a.ringF2;
    items[2].fields[kToneT1] = ms(a.ringOn);
    items[2].fields[kToneT2] = ms(a.ringOff);
    settings.toneItems = std::move(items);
}

std::span<const char *const> toneItemColumnNames()
{
    return kColumns;
}

std::string toneTypeText(std::uint32_t type)
{
    switch (type) {
    case 1:
        return "Dial";
    case 2:
        return "Busy";
    case 3:
        return "Echo";
    case 7:
        return "Fax F1";
    case 8:
        return "Fax F2";
    default:
        return std::to_string(type);
    }
}

std::string toneModeText(std::uint32_t mode)
{
    switch (mode) {
    case 0:
        return "Continue";
    case 1:
        return "Period";
    case 2:
        return "SIT";
    default:
        return std::to_string(mode);
    }
}

int toneTypeEntry(std::uint32_t type)
{
    for (int e = 0; e < static_cast<int>(std::size(kEntryTypes)); ++e)
        if (kEntryTypes[e] == type)
            return e;
    return kAppointedToneEntry;
}

void applyToneTypePreset(ToneDetectorItem &item, int entry)
{
    if (entry < 0 || entry >= static_cast<int>(std::size(kEntryTypes)))
        return;
    auto &f = item.fields;
    f[kToneType] = kEntryTypes[entry];
    switch (entry) {
    case 0: // dial
        f[kToneMode] = 0;
        f[kToneF1] = 450;
        f[kToneT1] = 1500;
        break;
    case 1: // busy
        f[kToneMode] = 1;
        f[kToneF1] = 450;
        f[kToneT1] = 350;
        f[kToneT2] = 350;
        f[kTonePeriodEndMode] = 1;
        f[kTonePeriodCount] = 2;
        f[kTonePeriodClearTime] = 3000;
        break;
    case 2: // ring-back
        f[kToneMode] = 1;
        f[kToneF1] = 450;
        f[kToneT1] = 1000;
        f[kToneT2] = 4000;
        f[kTonePeriodCount] = 1;
        f[kTonePeriodClearTime] = 6000;
        break;
    case 3: // fax F1
        f[kToneF1] = 1100;
        f[kToneT1] = 250;
        break;
    case 4: // fax F2
        f[kToneF1] = 2100;
        f[kToneT1] = 250;
        break;
    }
}

} // namespace ktcticonfig
