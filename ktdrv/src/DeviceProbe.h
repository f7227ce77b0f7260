// Board detection's device probe, answered from the simulated devices.
#pragma once

namespace ktdrv {

struct DeviceAnswer
{
    int bus = 0;               ///< 0 PCI, 1 USB
    unsigned modelValue = 0;   ///< low byte: hardware model identifier
    unsigned serialNumber = 0;
    unsigned subType = 0;
};

/// 1 when device index answered, 0 when there is none (or KtSim.ini is missing or malformed), -1 when
/// the device opened but its model query failed.
int probeDevice(int index, DeviceAnswer &answer);

} // namespace ktdrv
