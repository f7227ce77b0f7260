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
        *error = QStringLiteral("cannot open the database: ") + why;
        return false;
    }
    return true;
}

} // namespace server
