// Board probing through libKTDRV.so.
#include "ktcticonfig/detect/DriverProbe.h"

#include <dlfcn.h>

namespace ktcticonfig {

std::unique_ptr<DriverProbe> DriverProbe::load(const std::string &programDirectory, Reporter &reporter)
{
    void *library = nullptr;
    if (!programDirectory.empty())
        library = dlopen((programDirectory + "/libKTDRV.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        library = dlopen("libKTDRV.so", RTLD_NOW | RTLD_LOCAL);
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
    return std::unique_ptr<DriverProbe>(new DriverProbe(library, function));
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
    if (result < 0)
        return ProbeResult::ModelFailed;
    device = {model, serial, subType};
    return ProbeResult::Found;
}

} // namespace ktcticonfig
