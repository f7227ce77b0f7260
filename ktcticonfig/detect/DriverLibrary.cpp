// The search for libKTDRV.so and its version.
#include "ktcticonfig/detect/DriverLibrary.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <vector>

namespace ktcticonfig {

namespace {

constexpr const char *kLibraryName = "libKTDRV.so";

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

void *openDriverLibrary(const std::string &programDirectory, std::string *error)
{
    std::vector<std::string> candidates;
    if (!programDirectory.empty())
        candidates.push_back(programDirectory + "/" + kLibraryName);
    for (const std::string &folder : programSearchPath())
        candidates.push_back(folder + "/" + kLibraryName);
    candidates.emplace_back(kLibraryName);
    for (const std::string &candidate : candidates)
        if (void *library = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
    if (error) {
        const char *reason = dlerror();
        *error = reason ? reason : std::string(kLibraryName) + ": not found";
    }
    return nullptr;
}

std::string driverLibraryVersion(void *library)
{
    link_map *map = nullptr;
    if (dlinfo(library, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name) {
        std::error_code ec;
        const std::string file = std::filesystem::canonical(map->l_name, ec).filename().string();
        const std::string stem = std::string(kLibraryName) + ".";
        if (!ec && file.size() > stem.size() && file.compare(0, stem.size(), stem) == 0)
            return file.substr(stem.size());
    }
    using VersionFunction = int (*)(char *);
    if (auto version = reinterpret_cast<VersionFunction>(dlsym(library, "TlxGetDriverVersion"))) {
        char text[64] = {};
        version(text);
        return text;
    }
    return {};
}

} // namespace ktcticonfig
