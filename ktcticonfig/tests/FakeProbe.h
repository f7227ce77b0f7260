// A device probe answering from a table of fake devices indexed by device number.
#pragma once

#include "ktcticonfig/detect/DeviceProbe.h"

#include <map>
#include <string>

namespace ktcticonfig::test {

struct FakeDevice
{
    ProbeResult result = ProbeResult::Found;
    ProbedDevice device;
};

class FakeProbe : public DeviceProbe
{
public:
    explicit FakeProbe(std::map<int, FakeDevice> devices, std::string failure = {})
        : m_devices(std::move(devices)), m_failure(std::move(failure))
    {
    }

    ProbeResult probe(int index, ProbedDevice &device) override
    {
        const auto it = m_devices.find(index);
        if (it == m_devices.end())
            return ProbeResult::NoDevice;
        if (it->second.result == ProbeResult::Found)
            device = it->second.device;
        return it->second.result;
    }

    std::string failure() const override { return m_failure; }

private:
    std::map<int, FakeDevice> m_devices;
    std::string m_failure;
};

/// A device with a hardware model identifier (see the hardware identifier table) and serial number.
inline FakeDevice device(unsigned hardwareId, unsigned serial, unsigned subType = 0)
{
    return {ProbeResult::Found, {0x1200u | hardwareId, serial, subType}};
}

// Hardware identifiers of a few models.
inline constexpr unsigned kPci8Channel = 10;  // code 6
inline constexpr unsigned kPci16Channel = 9;  // code 8
inline constexpr unsigned kPci8E1 = 87;       // code 66
inline constexpr unsigned kChannelBank = 134; // code 86
inline constexpr unsigned kIpBoard = 93;      // code 75

} // namespace ktcticonfig::test
