// Board probing through libKTDRV.so.
#include "ktcticonfig/detect/DriverProbe.h"

#include <dlfcn.h>
#include <link.h>

#include <vector>

namespace ktcticonfig {

namespace {

constexpr const char *kLibraryName = "libKTDRV.so";
// The probe's answer when the driver cannot look for devices at all (TlxSimGetProbeError says why).
constexpr int kDriverCannotProbe = -2;

void *openLibrary(const std::string &path)
{
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

// The folders the program's own libraries are looked up in (LD_LIBRARY_PATH, its RUNPATH with
// $ORIGIN resolved, the system's), in the loader's order. A plain dlopen searches the RUNPATH of the
// object that calls it, and an interposed dlopen (the address sanitizer's) is a library without the
// program's RUNPATH; asking for the program's own search path finds the library either way.
std::vector<std::string> programSearchPath()
{
    std::vector<std::string> folders;
    void *program = dlopen(nullptr, RTLD_LAZY);
    if (!program)
        return folders;
    Dl_serinfo size{};
    if (dlinfo(program, RTLD_DI_SERINFOSIZE, &size) == 0 && size.dls_size >= sizeof(Dl_serinfo)) {
        // Dl_serinfo holds pointers: keep its storage aligned for them.
        std::vector<Dl_serinfo> storage(size.dls_size / sizeof(Dl_serinfo) + 1);
        Dl_serinfo *info = storage.data();
        *info = size;
        if (dlinfo(program, RTLD_DI_SERINFO, info) == 0)
            for (unsigned i = 0; i < info->dls_cnt; ++i)
                folders.emplace_back(info->dls_serpath[i].dls_name);
    }
    dlclose(program);
    return folders;
}

} // namespace

std::unique_ptr<DriverProbe> DriverProbe::load(const std::string &programDirectory, Reporter &reporter)
{
    std::vector<std::string> candidates;
    if (!programDirectory.empty())
        candidates.push_back(programDirectory + "/" + kLibraryName);
    for (const std::string &folder : programSearchPath())
        candidates.push_back(folder + "/" + kLibraryName);
    candidates.emplace_back(kLibraryName);
    void *library = nullptr;
    for (const std::string &candidate : candidates)
        if ((library = openLibrary(candidate)))
            break;
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
