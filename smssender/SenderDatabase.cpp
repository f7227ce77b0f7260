// Opening the installation's database for the sender.
#include "smssender/SenderDatabase.h"

#include "smssender/SenderSchema.h"

#include <QSqlQuery>

namespace smssender {

bool SenderDatabase::open(const std::string &programDir, std::string *error)
{
    m_settings.ProgramDir = programDir;
    if (!loadSenderSettings(m_settings, m_sender, error) || !reconnect(error))
        return false;
    QString why;
    if (!prepareSenderTables(m_dm, &why)) {
        *error = "cannot prepare the sender's tables: " + why.toStdString();
        return false;
    }
    return true;
}

bool SenderDatabase::reconnect(std::string *error)
{
    QString why;
    if (!m_dm.ConnectDatabase(m_settings, &why)) {
        *error = "cannot open the database: " + why.toStdString();
        return false;
    }
    // The sender commits twice for every message. Without a flush to disk at each commit of the
    // write-ahead log a power cut may undo the last commits, never corrupt the file; an undone
    // bookkeeping write only makes a message go again (at least once), and a flush per commit would
    // cost more than the rest of the sender's work on a message.
    if (m_dm.engine() == server::SqlEngine::SQLite)
        QSqlQuery(m_dm.DBConnection()).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    return true;
}

} // namespace smssender
