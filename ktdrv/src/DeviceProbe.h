// Board detection's device probe, answered from the simulated devices.
#pragma once

#include <string>

namespace ktdrv {

struct DeviceAnswer
{
    int bus = 0;               ///< 0 PCI, 1 USB
    unsigned modelValue = 0;   ///< low byte: hardware model identifier
    unsigned serialNumber = 0;
    unsigned subType = 0;
};

/// The probe's answer when KtSim.ini cannot be read: detection must report why rather than find no board.
inline constexpr int kProbeConfigError = -2;

/// 1 when device index answered, 0 when there is none, -1 when the device opened but its model query
/// failed, kProbeConfigError when KtSim.ini is missing or malformed (probeError() says why).
int probeDevice(int index, DeviceAnswer &answer);

/// File, line and reason of the last probe's KtSim.ini failure; empty after a probe that read the file.
std::string probeError();

} // namespace ktdrv
