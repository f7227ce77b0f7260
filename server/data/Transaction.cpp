// A transaction of the data module's connection.
#include "server/data/Transaction.h"

#include "server/data/TDM.h"

#include <QSqlError>

namespace server {

Transaction::Transaction(TDM &dm) : m_dm(dm)
{
    QSqlDatabase db = m_dm.DBConnection();
    if (!m_dm.isOpen() || !db.transaction())
        throw DatabaseError("transaction: " + db.lastError().text().toStdString());
}

Transaction::~Transaction()
{
    if (m_open)
        m_dm.DBConnection().rollback();
}

void Transaction::commit()
{
    QSqlDatabase db = m_dm.DBConnection();
    if (!db.commit()) {
        const std::string why = db.lastError().text().toStdString();
        db.rollback();
        m_open = false;
        throw DatabaseError("commit: " + why);
    }
    m_open = false;
}

} // namespace server
