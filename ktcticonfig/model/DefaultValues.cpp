// Default values of the global keys.
#include "ktcticonfig/model/DefaultValues.h"

#include "ktcticonfig/model/ToneDetectorItem.h"

namespace ktcticonfig {

void resetToDefaultValues(GlobalSettings &settings, const std::string &logDirectory, bool smallFaxBoardFound)
{
    const auto keys = globalKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        switch (keys[i].group) {
        case KeyGroup::Fsk:
        case KeyGroup::Ss7Spy:
        case KeyGroup::Sip:
        case KeyGroup::H323:
            continue;
        default:
            break;
        }
        // The board count and interrupt settings belong to the detected board list, not to the defaults.
        if (keys[i].name == "TotalBoards" || keys[i].name == "SysIntNo")
            continue;
        settings.at(i).number = keys[i].defaultNumber;
        settings.at(i).text = std::string(keys[i].defaultText);
    }
    settings.setSystem("AutoClearCallerIdBufOnHangup", 1);
    settings.setSystem("MaxWaitDialToneTime", 3);
    settings.setSystem("MaxBsTnOffTime", 2000);
    settings.setSystem("ConfJoinedbyEnergy", 0);
    settings.setSystem("CloseCallerIdOnReceived", 1);
    settings.setSystem("FastPlayTime", 1000);
    settings.setText("DebugView", "LogFilePath", logDirectory);
    settings.setText("SystemConfig", "2ndRingEchoTonePara", "1000, 4000");
    settings.setText("SystemConfig", "AppointedTonePara", "2000, 2000");
    settings.toneItems = builtInToneDetectorItems();
    settings.setSystem("MaxToneDetectorItem", static_cast<std::int32_t>(settings.toneItems.size()));
    settings.setNumber("Fax", "MaxSpeed", smallFaxBoardFound ? 33600 : 14400);
}

} // namespace ktcticonfig
