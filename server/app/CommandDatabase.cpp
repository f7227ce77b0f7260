// Settings and database for --import and --report: read and connect, nothing more.
#include "server/app/CommandDatabase.h"

#include "server/settings/LoadSettings.h"
#include "server/ui/MessageDialogs.h"

namespace server {

bool openCommandDatabase(const QString &programDir, Settings &settings, TDM &dm, QString *error)
{
    ChannelTables tables;
    settings.ProgramDir = programDir.toStdString();
    HeadlessDialogs dialogs;
    if (!LoadSettings(settings, tables, dialogs)) {
        *error = QStringLiteral("cannot read the settings of %1").arg(programDir);
        return false;
    }
    QString why;
    if (!dm.ConnectDatabase(settings, &why)) {
        // The embedded file by its path, so that the operator knows which file to mend.
        const QString which =
            settings.DBType == 0 ? embeddedDatabasePath(settings) : QString::fromStdString(settings.ServerName);
        *error = QStringLiteral("cannot open the database %1: %2").arg(which, why);
        return false;
    }
    return true;
}

} // namespace server
