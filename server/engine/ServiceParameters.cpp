// The parameter dialog's work on the running service: reading Setup.ini again, and saving and
// applying what the operator edited.
#include "server/engine/Service.h"

#include "server/settings/LoadSettings.h"
#include "server/settings/SaveParmSet.h"

#include <filesystem>

namespace server {

std::optional<ParmSetForm> Service::parameterForm()
{
    Settings &s = m_engine.settings();
    if (!LoadSettings(s, m_engine.tables(), m_dialogs)) {
        m_dialogs.show("错误", "初始化Setup.ini配置文件错误！", DialogIcon::Error);
        return std::nullopt;
    }
    return formFromSettings(s, m_engine.tables());
}

bool Service::saveParameters(const ParmSetForm &form, bool enable, FormProblem *problem)
{
    Settings &s = m_engine.settings();
    if (!SaveParmSet(form, enable, s, m_engine.tables(), m_dialogs, problem))
        return false;
    // Logging switched on from the dialog starts a log file, once: a log already open goes on.
    if (enable && s.WriteLogFlag == 1 && s.LogFileOpen == 0) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(s.ProgramDir) / "Log", ec);
        std::string error;
        if (!m_engine.files().OpenLogFile(&error))
            m_dialogs.show("错误", error, DialogIcon::Error);
    }
    m_dialogs.show("提示", "参数配置成功！", DialogIcon::Information);
    return true;
}

} // namespace server
