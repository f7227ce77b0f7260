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

    /// Failed when the driver answers that it cannot look for devices (the software board's KtSim.ini
    /// is missing or malformed); failure() then holds its reason.
    ProbeResult probe(int index, ProbedDevice &device) override;
    std::string failure() const override { return m_failure; }

private:
    using ProbeFunction = int (*)(int, int *, unsigned *, unsigned *, unsigned *);
    using ErrorFunction = int (*)(char *, int);
    DriverProbe(void *library, ProbeFunction probe, ErrorFunction error)
        : m_library(library), m_probe(probe), m_error(error)
    {
    }

    void *m_library;
    ProbeFunction m_probe;
    ErrorFunction m_error; ///< may be missing
    std::string m_failure;
};

} // namespace ktcticonfig
