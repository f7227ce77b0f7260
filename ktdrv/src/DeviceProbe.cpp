// Board detection's device probe: PCI device index N first, then USB device index N.
#include "ktdrv/src/DeviceProbe.h"

#include "ktdrv/src/SimConfig.h"

namespace ktdrv {

int probeDevice(int index, DeviceAnswer &answer)
{
    if (index < 0 || index >= 20)
        return 0;
    std::string error;
    auto devices = loadSimDevices(simConfigPath(""), error);
    if (!devices)
        return 0;
    for (Bus bus : {Bus::Pci, Bus::Usb})
        for (const auto &d : *devices)
            if (d.index == index && d.bus == bus) {
                if (d.modelQueryFails)
                    return -1;
                answer = {static_cast<int>(d.bus), d.hardwareId, d.serialNumber, d.subType};
                return 1;
            }
    return 0;
}

} // namespace ktdrv
