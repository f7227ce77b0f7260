// Bringing the schema of a database made by an earlier version up to date when it is opened.
#include "server/data/SchemaUpgrade.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace server {

namespace {

struct Index
{
    const char *name;
    const char *postgresql;
    const char *sqlserver;
};

// The dispatcher's indexes as db/make-schemas.py writes them for the server databases. SQLite's
// indexes of an earlier version already end with the row ID and serve as they are.
constexpr Index kDispatchIndexes[] = {
    {"IX_AdNotice_NewTask", "Status, RandomValue NULLS FIRST, ID NULLS FIRST", "Status, RandomValue, ID"},
    {"IX_AdNotice_RetryDue", "Status, NoticeTimes NULLS FIRST, NextNotice NULLS FIRST, ID NULLS FIRST",
     "Status, NoticeTimes, NextNotice, ID"},
    {"IX_AdNotice_RepeatDue", "Status, SuccTimes NULLS FIRST, NextNotice NULLS FIRST, ID NULLS FIRST",
     "Status, SuccTimes, NextNotice, ID"},
};

bool run(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text() + QStringLiteral(" in: ") + sql;
    return false;
}

} // namespace

bool hasColumn(QSqlDatabase &db, const QString &table, const QString &column)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 WHERE 1=0").arg(table)))
        return false;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i)
        if (record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool upgradeSchema(QSqlDatabase &db, SqlEngine engine, QString *error)
{
    if (!QSqlQuery(db).exec(QStringLiteral("SELECT 1 FROM AdNotice WHERE 1=0")))
        return true; // no notice table: nothing to bring up to date
    if (!hasColumn(db, QStringLiteral("AdNotice"), QStringLiteral("ServerID")) &&
        !run(db,
             QStringLiteral("ALTER TABLE AdNotice ADD ServerID ") +
                 (engine == SqlEngine::SqlServer ? QStringLiteral("NVARCHAR(80)") : QStringLiteral("VARCHAR(80)")),
             error))
        return false;
    if (engine == SqlEngine::SQLite)
        return true;
    for (const Index &index : kDispatchIndexes) {
        const QString name = QLatin1String(index.name);
        const QString sql = engine == SqlEngine::PostgreSQL
                                ? QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON AdNotice (%2)")
                                      .arg(name, QLatin1String(index.postgresql))
                                : QStringLiteral("IF NOT EXISTS (SELECT 1 FROM sys.indexes WHERE name='%1' AND "
                                                 "object_id=OBJECT_ID('AdNotice')) CREATE INDEX %1 ON AdNotice (%2)")
                                      .arg(name, QLatin1String(index.sqlserver));
        if (!run(db, sql, error))
            return false;
    }
    return true;
}

} // namespace server
