// The statements of the blacklist window.
#include "server/data/Blacklist.h"

namespace server {

void insertForbidTel(TDM &dm, const QString &telephone, const QString &insertDate)
{
    dm.execute(dm.QueForbidTel, QStringLiteral("INSERT INTO c_blacklist(Telephone,InsertDate) VALUES(:P1,:P2)"),
               {{"P1", telephone.isNull() ? QStringLiteral("") : telephone}, {"P2", insertDate}});
}

void updateForbidTel(TDM &dm, const QVariant &id, const QString &telephone, const QString &insertDate)
{
    dm.execute(dm.QueForbidTel, QStringLiteral("UPDATE c_blacklist SET Telephone=:P1,InsertDate=:P2 WHERE id=:P3"),
               {{"P1", telephone.isNull() ? QStringLiteral("") : telephone}, {"P2", insertDate}, {"P3", id}});
}

void deleteForbidTel(TDM &dm, const QVariant &id)
{
    dm.execute(dm.QueForbidTel, QStringLiteral("DELETE FROM c_blacklist WHERE id=:P1"), {{"P1", id}});
}

ImportResult importForbidTels(TDM &dm, const std::function<QString(int row)> &cell, const ImportOptions &options)
{
    ImportResult result;
    for (int row = 1; row <= kMaxWorkbookRows; ++row) {
        if (options.beforeRow && !options.beforeRow(row, result)) {
            result.cancelled = true;
            break;
        }
        const QString number = cell(row);
        if (number.trimmed().isEmpty())
            break;
        try {
            dm.execute(dm.QueForbidImport,
                       QStringLiteral("INSERT INTO c_blacklist(Telephone,InsertDate) VALUES(:P1,:P2)"),
                       {{"P1", number}, {"P2", options.now()}});
            ++result.imported;
        } catch (const DatabaseError &e) {
            result.failures.push_back({row, QString::fromStdString(e.what())});
        }
    }
    return result;
}

} // namespace server
