// The device probe of the board driver library, loaded at run time and looked up by name.
#pragma once

#include "ktcticonfig/detect/DeviceProbe.h"
#include "ktcticonfig/model/Reporter.h"

#include <memory>
#include <string>

namespace ktcticonfig {

class DriverProbe : public DeviceProbe
{
public:
    /// Loads libKTDRV.so from the program's directory, else from the folders the program's own libraries
    /// are found in (its RUNPATH among them), else from the system's library search, and looks up its
    /// probe function. Reports and returns nullptr when either fails.
    static std::unique_ptr<DriverProbe> load(const std::string &programDirectory, Reporter &reporter);
    ~DriverProbe() override;

    ProbeResult probe(int index, ProbedDevice &device) override;

private:
    using ProbeFunction = int (*)(int, int *, unsigned *, unsigned *, unsigned *);
    DriverProbe(void *library, ProbeFunction function) : m_library(library), m_probe(function) {}

    void *m_library;
    ProbeFunction m_probe;
};

} // namespace ktcticonfig
