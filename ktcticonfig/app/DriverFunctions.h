// The six driver functions the test start of Apply calls, and their binding to libKTDRV.so.
#pragma once

#include <memory>
#include <string>

namespace ktcticonfig {

class DriverFunctions
{
public:
    virtual ~DriverFunctions() = default;
    /// TlxStartCti: 0 when the driver started with the configuration.
    virtual int startCti(const std::string &configPath, const std::string &indexPath) = 0;
    virtual int maxCfgBoard() = 0;
    virtual int maxUsableBoard() = 0;
    virtual std::string lastErrorMessage() = 0;
    /// TlxSipGetBoardRegStatus: 1 or more when registered, else the reason in reason.
    virtual int sipBoardRegStatus(int boardId, std::string &reason) = 0;
    virtual void closeCti() = 0;
};

/// libKTDRV.so opened with dlopen, its functions looked up by name; closed with the object.
class DriverLibraryFunctions : public DriverFunctions
{
public:
    /// nullptr when the library cannot be loaded ("Loadlibrary KTDRV.dll error!") or a function is
    /// missing ("KTDRV.dll GetProcAddress error!"); error then holds that message.
    static std::unique_ptr<DriverLibraryFunctions> load(const std::string &programDirectory, std::string &error);
    ~DriverLibraryFunctions() override;

    int startCti(const std::string &configPath, const std::string &indexPath) override;
    int maxCfgBoard() override;
    int maxUsableBoard() override;
    std::string lastErrorMessage() override;
    int sipBoardRegStatus(int boardId, std::string &reason) override;
    void closeCti() override;

private:
    DriverLibraryFunctions() = default;

    void *m_library = nullptr;
    int (*m_startCti)(const char *, const char *) = nullptr;
    int (*m_maxCfgBoard)() = nullptr;
    int (*m_maxUsableBoard)() = nullptr;
    int (*m_lastError)(char *) = nullptr;
    int (*m_sipRegStatus)(int, char *) = nullptr;
    int (*m_closeCti)() = nullptr;
};

} // namespace ktcticonfig
