// The ready program directory of "Server --init".
#include "server/InitInstallation.h"

#include "server/SchemaScript.h"
#include "server/engine/LoadSettings.h"
#include "server/engine/SaveSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace server {

namespace {

const char *const kInstallationFiles[] = {"Setup.ini", "BillDB.db", "KtConfig.ini", "KtIndex.ini", "KtSim.ini"};

// Every key at its default, the simulated board's eight channels in service.
bool writeSetup(const QString &dir, QString *error)
{
    Settings settings;
    settings.ProgramDir = dir.toStdString();
    ChannelTables tables;
    applyDefaults(settings, tables);
    settings.Title = "自动语音通知系统";
    for (int ch = 0; ch < 8; ++ch)
        tables.InService[static_cast<std::size_t>(ch)] = 1;
    std::string why;
    if (!SaveSettings(settings, tables, &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    return true;
}

} // namespace

bool initInstallation(const QString &dirPath, QString *error)
{
    const QString dir = QDir(dirPath).absolutePath();
    for (const char *name : kInstallationFiles) {
        if (QFileInfo::exists(dir + QLatin1Char('/') + QLatin1String(name))) {
            *error = QStringLiteral("refused: ") + dir + QStringLiteral(" already holds an installation (") +
                     QLatin1String(name) + QLatin1Char(')');
            return false;
        }
    }
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot create ") + dir;
        return false;
    }
    for (const char *folder : {"Log", "TalkInfo", "Temp", "Record", "Voice/pth", "Voice/gdh"})
        QDir(dir).mkpath(QLatin1String(folder));
    return writeSetup(dir, error) && createEmbeddedDatabase(dir + QStringLiteral("/BillDB.db"), error);
}

} // namespace server
