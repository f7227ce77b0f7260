// Saving the parameter dialog.
#include "server/settings/SaveParmSet.h"

#include "common/ProfileFile.h"
#include "server/settings/LoadSettings.h"

#include <filesystem>

namespace server {

bool SaveParmSet(const ParmSetForm &form, bool enable, Settings &settings, ChannelTables &tables, Dialogs &dialogs,
                 FormProblem *problem)
{
    const std::string path = setupPath(settings);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        dialogs.show("提示", "配置文件Setup.ini不存在！", DialogIcon::Error);
        return false;
    }
    common::ProfileFile file(path);
    if (!file.loadError().empty()) {
        dialogs.show("错误", "打开配置文件Setup.ini文件出错！", DialogIcon::Error);
        return false;
    }
    // Every value is checked first: a wrong one must not leave the file half written.
    if (auto wrong = checkForm(form)) {
        dialogs.show("错误", wrong->message, DialogIcon::Error);
        if (problem)
            *problem = std::move(*wrong);
        return false;
    }
    writeForm(form, file);
    std::string error;
    if (!file.save(&error)) {
        dialogs.show("错误", "保存配置文件Setup.ini出错！\n" + error, DialogIcon::Error);
        return false;
    }
    applyForm(form, file, enable, settings, tables);
    return true;
}

} // namespace server
