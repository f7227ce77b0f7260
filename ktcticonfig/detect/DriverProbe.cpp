// Board probing through libKTDRV.so.
#include "ktcticonfig/detect/DriverProbe.h"

#include "ktcticonfig/detect/DriverLibrary.h"

#include <dlfcn.h>

namespace ktcticonfig {

namespace {

// The probe's answer when the driver cannot look for devices at all (TlxSimGetProbeError says why).
constexpr int kDriverCannotProbe = -2;

} // namespace

std::unique_ptr<DriverProbe> DriverProbe::load(const std::string &programDirectory, Reporter &reporter)
{
    void *library = openDriverLibrary(programDirectory);
    if (!library) {
        reporter.report("Loadlibrary KTDRV.dll error!");
        return nullptr;
    }
    auto function = reinterpret_cast<ProbeFunction>(dlsym(library, "TlxSimProbeDevice"));
    if (!function) {
        reporter.report("KTDRV.dll GetProcAddress error!");
        dlclose(library);
        return nullptr;
    }
    auto error = reinterpret_cast<ErrorFunction>(dlsym(library, "TlxSimGetProbeError"));
    return std::unique_ptr<DriverProbe>(new DriverProbe(library, function, error));
}

DriverProbe::~DriverProbe()
{
    dlclose(m_library);
}

ProbeResult DriverProbe::probe(int index, ProbedDevice &device)
{
    int bus = 0;
    unsigned model = 0, serial = 0, subType = 0;
    const int result = m_probe(index, &bus, &model, &serial, &subType);
    if (result == 0)
        return ProbeResult::NoDevice;
    if (result == kDriverCannotProbe) {
        char text[512] = {};
        m_failure = m_error && m_error(text, sizeof text) > 0 ? text : "the board driver cannot look for devices";
        return ProbeResult::Failed;
    }
    if (result < 0)
        return ProbeResult::ModelFailed;
    device = {model, serial, subType};
    return ProbeResult::Found;
}

} // namespace ktcticonfig
