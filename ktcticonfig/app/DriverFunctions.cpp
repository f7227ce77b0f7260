// The driver functions of the test start, bound to libKTDRV.so.
#include "ktcticonfig/app/DriverFunctions.h"

#include "ktcticonfig/detect/DriverLibrary.h"

#include <dlfcn.h>

namespace ktcticonfig {

namespace {

// The driver writes its texts into buffers of this size at most.
constexpr int kTextBuffer = 1024;

template <typename F> bool lookUp(void *library, const char *name, F &function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

} // namespace

std::unique_ptr<DriverLibraryFunctions> DriverLibraryFunctions::load(const std::string &programDirectory,
                                                                     std::string &error)
{
    std::unique_ptr<DriverLibraryFunctions> d(new DriverLibraryFunctions);
    d->m_library = openDriverLibrary(programDirectory);
    if (!d->m_library) {
        error = "Loadlibrary KTDRV.dll error!";
        return nullptr;
    }
    void *l = d->m_library;
    if (!lookUp(l, "TlxStartCti", d->m_startCti) || !lookUp(l, "TlxGetMaxCfgBoard", d->m_maxCfgBoard) ||
        !lookUp(l, "TlxGetMaxUsableBoard", d->m_maxUsableBoard) || !lookUp(l, "TlxGetLastErrMsg", d->m_lastError) ||
        !lookUp(l, "TlxSipGetBoardRegStatus", d->m_sipRegStatus) || !lookUp(l, "TlxCloseCti", d->m_closeCti)) {
        error = "KTDRV.dll GetProcAddress error!";
        return nullptr;
    }
    return d;
}

DriverLibraryFunctions::~DriverLibraryFunctions()
{
    if (m_library)
        dlclose(m_library);
}

int DriverLibraryFunctions::startCti(const std::string &configPath, const std::string &indexPath)
{
    return m_startCti(configPath.c_str(), indexPath.c_str());
}

int DriverLibraryFunctions::maxCfgBoard()
{
    return m_maxCfgBoard();
}

int DriverLibraryFunctions::maxUsableBoard()
{
    return m_maxUsableBoard();
}

std::string DriverLibraryFunctions::lastErrorMessage()
{
    char text[kTextBuffer] = {};
    m_lastError(text);
    return text;
}

int DriverLibraryFunctions::sipBoardRegStatus(int boardId, std::string &reason)
{
    char text[kTextBuffer] = {};
    const int status = m_sipRegStatus(boardId, text);
    reason = text;
    return status;
}

void DriverLibraryFunctions::closeCti()
{
    m_closeCti();
}

} // namespace ktcticonfig
