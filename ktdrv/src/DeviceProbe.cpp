// Board detection's device probe: PCI device index N first, then USB device index N.
#include "ktdrv/src/DeviceProbe.h"

#include "ktdrv/src/SimConfig.h"

#include <mutex>

namespace ktdrv {

namespace {

struct LastError
{
    std::mutex mutex;
    std::string text;

    void set(std::string error)
    {
        std::lock_guard lock(mutex);
        text = std::move(error);
    }
};

LastError &lastError()
{
    static LastError error;
    return error;
}

} // namespace

int probeDevice(int index, DeviceAnswer &answer)
{
    if (index < 0 || index >= 20)
        return 0;
    std::string error;
    auto devices = loadSimDevices(simConfigPath(""), error);
    lastError().set(devices ? std::string() : error);
    if (!devices)
        return kProbeConfigError;
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

std::string probeError()
{
    LastError &error = lastError();
    std::lock_guard lock(error.mutex);
    return error.text;
}

} // namespace ktdrv
