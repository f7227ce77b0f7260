// The three queries board detection asks of a device index: model value, serial number, sub-type.
#pragma once

#include <cstdint>
#include <string>

namespace ktcticonfig {

struct ProbedDevice
{
    std::uint32_t modelValue = 0; ///< its low byte is the hardware model identifier
    std::uint32_t serialNumber = 0;
    std::uint32_t subType = 0;
};

enum class ProbeResult
{
    Found,       ///< a device answered
    NoDevice,    ///< neither the PCI nor the USB device of this index exists
    ModelFailed, ///< a device opened but its model query failed
    Failed,      ///< the driver could not look for devices at all (failure() says why)
};

/// Asks the board driver about the device with index 0..19 (the PCI device of that index, else the
/// USB one).
class DeviceProbe
{
public:
    virtual ~DeviceProbe() = default;
    virtual ProbeResult probe(int index, ProbedDevice &device) = 0;
    /// Why the last probe answered Failed, as the driver put it.
    virtual std::string failure() const { return {}; }
};

} // namespace ktcticonfig
