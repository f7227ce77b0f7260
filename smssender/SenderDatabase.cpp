// Opening the installation's database for the sender.
#include "smssender/SenderDatabase.h"

#include "smssender/SenderSchema.h"

namespace smssender {

bool SenderDatabase::open(const std::string &programDir, std::string *error)
{
    m_settings.ProgramDir = programDir;
    if (!loadSenderSettings(m_settings, m_sender, error))
        return false;
    QString why;
    if (!m_dm.ConnectDatabase(m_settings, &why)) {
        *error = "cannot open the database: " + why.toStdString();
        return false;
    }
    if (!prepareSenderTables(m_dm, &why)) {
        *error = "cannot prepare the sender's tables: " + why.toStdString();
        return false;
    }
    return true;
}

} // namespace smssender
